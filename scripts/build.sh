#!/usr/bin/env bash
# Configures and builds the two trees: build/native (the core and its unit
# tests, with sanitizers) and build/cross (trellimond.exe, the Windows tests
# and the test tools). With an argument, builds only that tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
trees=("${@:-native cross}")
for tree in ${trees[*]}; do
  case "$tree" in
    native) cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
    cross) cmake -S "$root" -B "$root/build/cross" -DCMAKE_BUILD_TYPE=Release \
             -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null ;;
    *) echo "unknown tree $tree" >&2; exit 2 ;;
  esac
  cmake --build "$root/build/$tree" -j "$jobs"
done
