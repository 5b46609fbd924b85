#!/usr/bin/env bash
# Runs a Windows program under the Wine loader of TRM_WINE_ARCH (i686 or
# x86_64): the CTest emulator of the cross trees. When it fails, says how;
# when Wine could not reach the display before any test began, runs it once
# more and says so (a test that ran is never run again).
#   wine-run.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
: "${TRM_WINE_ARCH:?}"
here=$(dirname "$0")
source "$here/wine-env.sh"
source "$here/../tests/support/wait.sh"
trm_wine_use "$TRM_WINE_ARCH"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
run() {
  local status=0
  "$WINELOADER" "$@" 2>&1 | tee "$out" || status=$?
  return "$status"
}
status=0
run "$@" || status=$?
if [ "$status" -ne 0 ] && transient_output "$(cat "$out")" && ! grep -q '^\[ RUN' "$out"; then
  echo "wine-run: $(basename "$1") ended with status $status before any test began; retrying once" >&2
  status=0
  run "$@" || status=$?
fi
if [ "$status" -ne 0 ]; then
  echo "wine-run: $(basename "$1") ended with status $status; Wine's last lines:" >&2
  grep -v '^\[\|^$' "$out" | tail -n 5 | sed 's/^/  /' >&2 || true
fi
exit "$status"
