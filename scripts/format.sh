#!/usr/bin/env bash
# Formats the C++ sources with the project's .clang-format.
#   format.sh          rewrites every file that differs
#   format.sh --check  names the files that differ and fails if there are any
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" != --check ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
unformatted=()
for file in "${files[@]}"; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ "${#unformatted[@]}" -gt 0 ]; then
  printf 'not formatted: %s\n' "${unformatted[@]}"
  echo "fix with: bash scripts/format.sh"
  exit 1
fi
echo "all ${#files[@]} sources formatted"
