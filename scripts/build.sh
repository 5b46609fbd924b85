#!/usr/bin/env bash
# Configures and builds the trees: build/native (the core and its unit tests,
# with sanitizers), build/cross (the 32-bit trellimond.exe, its Windows tests
# and the test tools), build/cross64 (the same for 64-bit Windows) and
# build/fuzz (the core's fuzz targets, with clang). With arguments, builds
# only those trees.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
trees=("${@:-native cross cross64 fuzz}")
for tree in ${trees[*]}; do
  case "$tree" in
    native) cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
    cross) cmake -S "$root" -B "$root/build/cross" -DCMAKE_BUILD_TYPE=Release \
             -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null ;;
    cross64) cmake -S "$root" -B "$root/build/cross64" -DCMAKE_BUILD_TYPE=Release \
               -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null ;;
    fuzz) CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DCMAKE_BUILD_TYPE=Debug -DTRM_FUZZ=ON >/dev/null ;;
    *) echo "unknown tree $tree" >&2; exit 2 ;;
  esac
  cmake --build "$root/build/$tree" -j "$jobs"
done
