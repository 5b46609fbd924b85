#!/usr/bin/env bash
# Installs what is missing, builds every tree and runs every test tier
# (native unit tests, fuzzing of the core, Windows tests under Wine,
# end-to-end tests) in one
# CTest run, ending with CTest's summary line. The Wine tiers run for each
# architecture whose Wine loader starts here (TRM_WINE_ARCHS, e.g. x86_64,
# restricts them); the run fails when none can start.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" native cross cross64 fuzz
source "$root/scripts/wine-env.sh"
trm_wine_detect
trm_wine_summary

# One CTest run over every tree, without the Wine tests of architectures
# that cannot start here (their builds and format checks still run).
printf 'subdirs("native")\nsubdirs("fuzz")\nsubdirs("cross")\nsubdirs("cross64")\n' >"$root/build/CTestTestfile.cmake"
left_out=()
for arch in $TRM_WINE_KNOWN_ARCHS; do
  [[ " $TRM_WINE_STARTED " == *" $arch "* ]] || left_out+=("wine-$arch")
done
exclude=()
if [ "${#left_out[@]}" -gt 0 ]; then
  exclude=(-LE "^($(IFS='|'; echo "${left_out[*]}"))\$")
fi
# An architecture whose Wine tiers were left out is named right above CTest's
# summary line, which stays the last word: a run that saw no 32-bit program
# must not read as a whole pass.
not_run=$(trm_wine_not_run)
cd "$root/build"
status=0
ctest --output-on-failure -j 2 --timeout 600 "${exclude[@]}" |
  NOT_RUN="$not_run" awk '/^[0-9]+% tests passed/ && ENVIRON["NOT_RUN"] != "" { print ENVIRON["NOT_RUN"] } { print; fflush() }' ||
  status=$?
if [ -z "$TRM_WINE_STARTED" ]; then
  echo "FAILED: no Wine loader starts here (see the 'Wine:' lines above), so the Windows and end-to-end tests did not run" >&2
  exit 1
fi
exit "$status"
