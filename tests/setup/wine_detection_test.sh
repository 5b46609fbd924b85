# The choice of Wine loaders, on loaders that start and one that the kernel
# refuses as a 32-bit loader is refused where 32-bit programs cannot run.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine-env.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# An ELF header for a machine no x86 kernel runs: exec fails with ENOEXEC.
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\267\000' >"$work/refused"
printf '#!/bin/sh\necho wine-8.0\n' >"$work/starts"
chmod +x "$work/refused" "$work/starts"

detect() {
  TRM_WINE_LOADER_i686=$1 TRM_WINE_LOADER_x86_64=$2 TRM_WINE_ARCHS=$3 trm_wine_detect
}

detect "$work/refused" "$work/starts" ""
[ "$TRM_WINE_STARTED" = x86_64 ] || fail "refused 32-bit loader: started '$TRM_WINE_STARTED'"
echo "$TRM_WINE_NOT_STARTED" | grep -q '^i686: .*refused does not start: .*Exec format error' ||
  fail "reason not given: $TRM_WINE_NOT_STARTED"
grep -qx 'Wine: running Windows programs as: x86_64' <<<"$(trm_wine_summary)" || fail "summary: $(trm_wine_summary)"
grep -qx '\*\*\* i686 Wine tiers NOT RUN: .*Exec format error; the 32-bit executable was checked statically only \*\*\*' \
  <<<"$(trm_wine_not_run)" || fail "not-run line: $(trm_wine_not_run)"

detect "$work/starts" "$work/starts" ""
[ "$TRM_WINE_STARTED" = "i686 x86_64" ] || fail "both start: started '$TRM_WINE_STARTED'"
[ -z "$(trm_wine_not_run)" ] || fail "a full run says: $(trm_wine_not_run)"

detect "$work/starts" "$work/starts" x86_64
[ "$TRM_WINE_STARTED" = x86_64 ] || fail "restricted to x86_64: started '$TRM_WINE_STARTED'"
echo "$TRM_WINE_NOT_STARTED" | grep -q '^i686: left out by TRM_WINE_ARCHS' || fail "restriction not said"

detect "$work/refused" "$work/missing" ""
[ -z "$TRM_WINE_STARTED" ] || fail "nothing starts: started '$TRM_WINE_STARTED'"
echo "$TRM_WINE_NOT_STARTED" | grep -q '^x86_64: .*missing is not installed' || fail "missing loader not said"

# One program runs as the 32-bit one where it starts; none, and it says so.
pick() { TRM_WINE_LOADER_i686=$1 TRM_WINE_LOADER_x86_64=$2 TRM_WINE_ARCHS="" trm_wine_pick "run it" 2>&1; }
pick "$work/starts" "$work/starts" >/dev/null && [ "$TRM_WINE_PICKED $TRM_WINE_PICKED_TREE" = "i686 cross" ] ||
  fail "both start: picked $TRM_WINE_PICKED $TRM_WINE_PICKED_TREE"
pick "$work/refused" "$work/starts" >/dev/null && [ "$TRM_WINE_PICKED $TRM_WINE_PICKED_TREE" = "x86_64 cross64" ] ||
  fail "picked $TRM_WINE_PICKED $TRM_WINE_PICKED_TREE"
if out=$(pick "$work/refused" "$work/missing"); then fail "picked $TRM_WINE_PICKED where nothing starts"; fi
grep -qx 'cannot run it: no Wine loader starts on this machine' <<<"$out" || fail "pick says: $out"

# The session of a tree whose loader cannot start fails at once, saying why.
if out=$(TRM_WINE_LOADER_i686="$work/refused" TRM_WINE_ARCH=i686 WINEPREFIX="$work/prefix" DISPLAY=:1 \
         TRM_BUILD_DIR="$work" bash "$root/scripts/wine-session.sh" start 2>&1); then
  fail "session started with a refused loader"
fi
echo "$out" | grep -q 'cannot run i686 Windows programs here' || fail "session says: $out"

trm_wine_use x86_64
[ "$WINEARCH" = win64 ] && [ "$WINELOADER" = /usr/lib/wine/wine64 ] || fail "x86_64 environment: $WINEARCH $WINELOADER"
[ "$(command -v wine)" = "$root/scripts/wine-bin/wine" ] || fail "wine is $(command -v wine)"
echo PASS
