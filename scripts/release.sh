#!/usr/bin/env bash
# Builds the release a Windows user downloads, from a clean tree, and prints
# its version:
#   dist/trellimond-VERSION-windows.zip  trellimond.exe (64-bit),
#       32-bit/trellimond.exe, manual.html with its pictures in manual/,
#       trellimond.ini.sample, README.txt, LICENSE, THIRD-PARTY-NOTICES.txt
#   dist/SHA256SUMS                      uploaded beside the zip
#   packaging/scoop/trellimond.json      the Scoop manifest of that zip
# Both builds are named trellimond.exe and no path in the zip holds the
# version, so a shortcut made to either keeps working once a newer zip is
# unpacked over the old one (or Scoop has updated its "current" folder).
# The same commit gives the same zip, byte for byte, wherever it is checked
# out: the executables carry no link time and no source path, and the zip's
# entries are in a fixed order, with fixed modes and the commit's time.
# A version's zip, once its hash is committed in the Scoop manifest, never
# changes: a zip that differs from the recorded one of its version is
# refused, and the change needs the next version (VERSION, CHANGELOG.md).
#   release.sh           makes the zip and writes the manifest
#   release.sh record    the same from a clean tree, then commits the manifest
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mode=${1:-make}
[[ "$mode" =~ ^(make|record)$ ]] || { echo "usage: release.sh [record]" >&2; exit 2; }
bash scripts/install-deps.sh

# Where releases are downloaded from: every address in the Scoop manifest is
# made from this one. A placeholder until the project has one.
download=https://example.invalid/trellimond

version=$(head -n 1 VERSION)
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "VERSION must read MAJOR.MINOR.PATCH, not '$version'" >&2; exit 1; }
grep -q "^## $version\$" CHANGELOG.md || { echo "CHANGELOG.md has no section '## $version'" >&2; exit 1; }
# What goes into the zip: the sources and build files, the manual (with the
# README's option table), the packaging texts, the version and the licence.
inputs=(src cmake CMakeLists.txt docs/manual.md docs/manual docs/manual-style.html README.md VERSION LICENSE
        packaging ':(exclude)packaging/scoop' scripts/release.sh)
if [ -n "$(git status --porcelain -- "${inputs[@]}" 2>/dev/null)" ]; then
  [ "$mode" = make ] || { echo "release.sh record: commit the changes first" >&2; exit 1; }
  echo "warning: the tree has uncommitted changes; the zip is not that of a commit" >&2
fi
# The zip's times are those of the last commit that changed what goes into
# it: neither the Scoop manifest, written below and committed after, nor a
# change to the tests may move them.
epoch=$(git log -1 --format=%ct -- "${inputs[@]}")
export TZ=UTC LC_ALL=C SOURCE_DATE_EPOCH=$epoch

jobs=2
for arch in i686 x86_64; do
  tree="build/release-$arch"
  rm -rf "$tree"
  cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" >/dev/null
  cmake --build "$tree" --target trellimond -j "$jobs" >/dev/null
done

stage=build/release-stage
zip_name="trellimond-$version-windows.zip"
rm -rf "$stage" dist
mkdir -p "$stage/manual" "$stage/32-bit" dist
cp build/release-x86_64/trellimond.exe "$stage/trellimond.exe"
cp build/release-i686/trellimond.exe "$stage/32-bit/trellimond.exe"
# Windows' Notepad before Windows 10 shows LF-only text as one line.
crlf() { sed 's/\r*$/\r/' "$1"; }
crlf packaging/trellimond.ini.sample >"$stage/trellimond.ini.sample"
crlf LICENSE >"$stage/LICENSE"
crlf packaging/THIRD-PARTY-NOTICES.txt >"$stage/THIRD-PARTY-NOTICES.txt"
sed "s/@VERSION@/$version/" packaging/README.txt | crlf /dev/stdin >"$stage/README.txt"

# The manual: docs/manual.md with the README's option table, the authority,
# as its reference; the pictures beside it.
{
  sed '/<!-- The release script puts the Options table of README.md here. -->/,$d' docs/manual.md
  awk '/^### Options$/ {table = 1; next} table && /^\|/ {print; next} table && /^#/ {exit}' README.md
} >"$stage/manual.md"
pandoc "$stage/manual.md" --from markdown --to html5 --standalone --toc --toc-depth 2 --shift-heading-level-by 1 \
  --metadata subtitle="Version $version" --metadata lang=en --include-in-header docs/manual-style.html \
  --output "$stage/manual.html"
rm "$stage/manual.md"
cp docs/manual/*.png "$stage/manual/"

chmod 0755 "$stage" "$stage/manual" "$stage/32-bit"
find "$stage" -type f -exec chmod 0644 {} +
find "$stage" -exec touch -h -d "@$epoch" {} +
# -X: no Unix extra fields (owner, access time); -D: no directory entries.
(cd "$stage" && find . -type f | sed 's|^\./||' | sort | zip -X -D -q -9 "$root/dist/$zip_name" -@)
(cd dist && sha256sum "$zip_name" >SHA256SUMS)
hash=$(cut -d ' ' -f 1 dist/SHA256SUMS)

# Every copy of a version must be the same zip (Scoop checks the hash it
# recorded): the committed record of this version stands.
recorded=$(git show HEAD:packaging/scoop/trellimond.json 2>/dev/null |
  python3 -c 'import json, sys; m = json.load(sys.stdin); print(m["version"], m["hash"])' 2>/dev/null || true)
if [ "${recorded% *}" = "$version" ] && [ "${recorded#* }" != "$hash" ]; then
  echo "the $version zip is recorded with the hash ${recorded#* }, and this one is $hash:" >&2
  echo "a change gets the next version: raise VERSION and add its section to CHANGELOG.md" >&2
  exit 1
fi

# Scoop's autoupdate fills in $version and takes the hash from the
# SHA256SUMS uploaded beside the zip.
cat >packaging/scoop/trellimond.json <<EOF
{
    "##": "Written by scripts/release.sh. The download address $download is a placeholder until the project has one.",
    "version": "$version",
    "description": "Shows a folder as a cascading popup menu at the mouse pointer",
    "homepage": "$download/",
    "license": "MIT",
    "url": "$download/$version/$zip_name",
    "hash": "$hash",
    "architecture": {
        "64bit": {
            "bin": [
                [
                    "trellimond.exe",
                    "trellimond"
                ]
            ]
        },
        "32bit": {
            "bin": [
                [
                    "32-bit\\\\trellimond.exe",
                    "trellimond"
                ]
            ]
        }
    },
    "checkver": {
        "url": "$download/",
        "regex": "trellimond-([\\\\d.]+)-windows\\\\.zip"
    },
    "autoupdate": {
        "url": "$download/\$version/trellimond-\$version-windows.zip",
        "hash": {
            "url": "\$baseurl/SHA256SUMS",
            "regex": "\$sha256\\\\s+\\\\*?\$basename"
        }
    }
}
EOF

echo "version $version"
echo "dist/$zip_name"
echo "sha256 $hash"
if [ "$mode" = record ]; then
  if git diff --quiet HEAD -- packaging/scoop/trellimond.json; then
    echo "the Scoop manifest already records this zip"
  else
    git commit -q -m "Scoop manifest: the hash of the $version zip of this commit" -- packaging/scoop/trellimond.json
    echo "committed: $(git log -1 --format='%h %s')"
  fi
fi
