#!/usr/bin/env bash
# Installs everything the builds, the tests and the demo need on Debian 12.
# Skips apt entirely when all packages are already there.
set -euo pipefail
# wine32 and wine64 both: which of them can start depends on the kernel.
# pandoc, zip and git make the release (scripts/release.sh).
packages=(cmake make g++ file googletest libgtest-dev clang-format clang libclang-rt-14-dev
          mingw-w64 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine32:i386 wine64 xvfb xdotool x11-utils imagemagick
          tesseract-ocr tesseract-ocr-eng python3
          pandoc zip unzip git)
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
