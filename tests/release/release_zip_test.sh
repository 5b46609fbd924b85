# The zip a Windows user downloads, as scripts/release.sh makes it (made
# here when dist/ has none for this version), unpacked:
#   all    its files; both executables' format, imports, manifest and
#          version; the texts in CRLF, the sample and LICENSE as committed;
#          the manual's pictures all there, its version and every option in
#          it; a CHANGELOG.md section for the version; SHA256SUMS and the
#          Scoop manifest naming the zip, each architecture's executable,
#          and every address made from the one download address; then the
#          start check below for this tree's architecture
#   start  this tree's executable starts under Wine on a sample folder with
#          the sample as its options file, shows its menu, and Escape ends
#          it with exit code 0
#   release_zip_test.sh all|start
source "$(dirname "$0")/../e2e/lib.sh"
mode=${1:?usage: release_zip_test.sh all|start}
e2e_init "release_$TRM_WINE_ARCH"

cd "$TRM_SOURCE_DIR"
version=$(head -n 1 VERSION)
zip="dist/trellimond-$version-windows.zip"
[ -f "$zip" ] || bash scripts/release.sh >/dev/null || fail "scripts/release.sh failed"
unpacked="$TRM_BUILD_DIR/release-test"
rm -rf "$unpacked"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked" || fail "cannot unpack $zip"

if [ "$mode" = all ]; then
  expected=$( (printf '%s\n' README.txt LICENSE THIRD-PARTY-NOTICES.txt manual.html trellimond.exe 32-bit/trellimond.exe \
      trellimond.ini.sample
    for picture in docs/manual/*.png; do echo "manual/${picture##*/}"; done) | sort)
  [ "$(unzip -Z1 "$zip" | sort)" = "$expected" ] || fail "the zip holds: $(unzip -Z1 "$zip" | tr '\n' ' ')"

  for exe in 32-bit/trellimond.exe:i686 trellimond.exe:x86_64; do
    bash tests/build/check_exe_format.sh "$unpacked/${exe%%:*}" "${exe#*:}" >"$FIXTURE/format.log" ||
      fail "${exe%%:*}: $(tail -n 1 "$FIXTURE/format.log")"
    python3 tests/build/check_imports.py "$unpacked/${exe%%:*}" "${exe#*:}" >"$FIXTURE/imports.log" 2>&1 ||
      fail "${exe%%:*}: $(tail -n 3 "$FIXTURE/imports.log")"
  done

  for text in README.txt trellimond.ini.sample LICENSE THIRD-PARTY-NOTICES.txt; do
    ! grep -q $'[^\r]$' "$unpacked/$text" || fail "$text has lines without CRLF"
  done
  for text in packaging/trellimond.ini.sample LICENSE; do
    tr -d '\r' <"$unpacked/${text##*/}" | cmp -s - "$text" || fail "the zipped ${text##*/} differs from $text"
  done
  grep -q "^## $version\$" CHANGELOG.md || fail "CHANGELOG.md has no section for $version"

  html="$unpacked/manual.html"
  grep -q "Version $version" "$html" || fail "the manual does not name version $version"
  for picture in $(grep -o 'src="[^"]*"' "$html" | sed 's/^src="//; s/"$//'); do
    [ -f "$unpacked/$picture" ] || fail "the manual shows $picture, which is not in the zip"
  done
  [ "$(grep -c '<img ' "$html")" -eq "$(ls docs/manual/*.png | wc -l)" ] || fail "the manual leaves pictures out"
  ! grep -qE '(src|href)="(https?:)?//' "$html" || fail "the manual loads something from the network"
  # The sample has a line for every keyword (the unit tests see to that).
  for keyword in $(sed -n 's/^;-\([a-z]*\).*/\1/p' packaging/trellimond.ini.sample); do
    grep -qE -- "-$keyword([^a-z]|\$)" "$html" || fail "the manual's reference lacks -$keyword"
  done

  (cd dist && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the zip"
  hash=$(sha256sum "$zip" | cut -d ' ' -f 1)
  scoop=packaging/scoop/trellimond.json
  python3 - "$scoop" "$version" "$hash" "${zip##*/}" "$unpacked" <<'EOF' || fail "$scoop does not describe the zip"
import json, os, subprocess, sys
manifest, version, sha, name, unpacked = json.load(open(sys.argv[1])), *sys.argv[2:]
assert manifest["version"] == version and manifest["hash"] == sha and manifest["license"] == "MIT"
# One download address: the homepage; the zip, the version list and the
# next versions' zips below it; their hashes beside them.
download = manifest["homepage"]
assert manifest["url"] == download + version + "/" + name, manifest["url"]
assert manifest["checkver"]["url"] == download
update = manifest["autoupdate"]
assert update["url"].replace("$version", version) == manifest["url"], update["url"]
assert update["hash"]["url"] == "$baseurl/SHA256SUMS"
# Each architecture's shim `trellimond` starts that architecture's build.
for arch, format in (("64bit", "PE32+ executable (GUI) x86-64"), ("32bit", "PE32 executable (GUI) Intel 80386")):
    (exe, shim), = manifest["architecture"][arch]["bin"]
    assert shim == "trellimond", shim
    described = subprocess.run(["file", os.path.join(unpacked, exe.replace("\\", "/"))], capture_output=True, text=True)
    assert format in described.stdout, (arch, described.stdout)
EOF
fi

# This tree's executable on a sample folder that reads the sample.
case "$TRM_WINE_ARCH" in
  i686) TRELLIMOND="$unpacked/32-bit/trellimond.exe" ;;
  x86_64) TRELLIMOND="$unpacked/trellimond.exe" ;;
esac
mkdir -p "$FIXTURE/Sample/Documents"
for name in "Read me.txt" "Todo.txt" "Documents/Plan.txt"; do echo "$name" >"$FIXTURE/Sample/$name"; done
cp "$unpacked/trellimond.ini.sample" "$FIXTURE/Sample/trellimond.ini"
park_pointer
start_trellimond "$FIXTURE_WIN\\Sample" -useinifile
wait_for_menu
keys Escape
wait_for_exit 30
status=0
wait "$PID" || status=$?
[ "$status" -eq 0 ] || fail "${TRELLIMOND##*/} ended with exit code $status"
[ "$(recorded_count)" -eq 0 ] || fail "Escape opened something: $(recorded_lines)"
echo "PASS: ${TRELLIMOND##*/} of $zip"
