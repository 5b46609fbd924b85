#!/usr/bin/env bash
# Builds the release a Windows user downloads, from a clean tree, and prints
# its version:
#   dist/trellimond-VERSION-windows.zip  trellimond.exe (32-bit),
#       trellimond64.exe (64-bit), manual.html with its pictures in manual/,
#       trellimond.ini.sample and README.txt
#   dist/SHA256SUMS
#   packaging/scoop/trellimond.json      the Scoop manifest of that zip
# The same commit gives the same zip, byte for byte, wherever it is checked
# out: the executables carry no link time and no source path, and the zip's
# entries are in a fixed order, with fixed modes and the commit's time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh

version=$(head -n 1 VERSION)
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "VERSION must read MAJOR.MINOR.PATCH, not '$version'" >&2; exit 1; }
[ -z "$(git status --porcelain -- . ':(exclude)packaging/scoop' 2>/dev/null)" ] ||
  echo "warning: the tree has uncommitted changes; the zip is not that of a commit" >&2
# The zip's times are those of the last commit that changed what goes into
# it: the Scoop manifest, written below and committed after, must not move them.
epoch=$(git log -1 --format=%ct -- . ':(exclude)packaging/scoop')
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
mkdir -p "$stage/manual" dist
cp build/release-i686/trellimond.exe "$stage/trellimond.exe"
cp build/release-x86_64/trellimond.exe "$stage/trellimond64.exe"
# Windows' Notepad before Windows 10 shows LF-only text as one line.
crlf() { sed 's/\r*$/\r/' "$1"; }
crlf packaging/trellimond.ini.sample >"$stage/trellimond.ini.sample"
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

chmod 0755 "$stage" "$stage/manual"
find "$stage" -type f -exec chmod 0644 {} +
find "$stage" -exec touch -h -d "@$epoch" {} +
# -X: no Unix extra fields (owner, access time); -D: no directory entries.
(cd "$stage" && find . -type f | sed 's|^\./||' | sort | zip -X -D -q -9 "$root/dist/$zip_name" -@)
(cd dist && sha256sum "$zip_name" >SHA256SUMS)
hash=$(cut -d ' ' -f 1 dist/SHA256SUMS)

# The download address is a placeholder until the project has one.
cat >packaging/scoop/trellimond.json <<EOF
{
    "##": "Written by scripts/release.sh. The homepage and url are placeholders until the project has a download address.",
    "version": "$version",
    "description": "Shows a folder as a cascading popup menu at the mouse pointer",
    "homepage": "https://example.invalid/trellimond/",
    "license": "Unknown",
    "url": "https://example.invalid/trellimond/$version/$zip_name",
    "hash": "$hash",
    "bin": [
        "trellimond.exe",
        [
            "trellimond64.exe",
            "trellimond64"
        ]
    ]
}
EOF

echo "version $version"
echo "dist/$zip_name"
echo "sha256 $hash"
