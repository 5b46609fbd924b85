#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test tier
# (native unit tests, Windows tests under Wine, end-to-end tests) in one
# CTest run, ending with CTest's summary line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" native cross
# One CTest run over both trees.
printf 'subdirs("native")\nsubdirs("cross")\n' >"$root/build/CTestTestfile.cmake"
cd "$root/build"
exec ctest --output-on-failure -j 2 --timeout 600
