# The zip a Windows user downloads, as scripts/release.sh makes it (made
# here when dist/ has none for this version), unpacked:
#   all    its files; both executables' format, imports, manifest and
#          version; README.txt and the sample in CRLF, the sample as
#          committed; the manual's pictures all there, its version and every
#          option in it; SHA256SUMS and the Scoop manifest naming the zip;
#          then the start check below for this tree's architecture
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
  expected=$( (printf '%s\n' README.txt manual.html trellimond.exe trellimond64.exe trellimond.ini.sample
    for picture in docs/manual/*.png; do echo "manual/${picture##*/}"; done) | sort)
  [ "$(unzip -Z1 "$zip" | sort)" = "$expected" ] || fail "the zip holds: $(unzip -Z1 "$zip" | tr '\n' ' ')"

  for exe in trellimond.exe:i686 trellimond64.exe:x86_64; do
    bash tests/build/check_exe_format.sh "$unpacked/${exe%%:*}" "${exe#*:}" >"$FIXTURE/format.log" ||
      fail "${exe%%:*}: $(tail -n 1 "$FIXTURE/format.log")"
    python3 tests/build/check_imports.py "$unpacked/${exe%%:*}" "${exe#*:}" >"$FIXTURE/imports.log" 2>&1 ||
      fail "${exe%%:*}: $(tail -n 3 "$FIXTURE/imports.log")"
  done

  for text in README.txt trellimond.ini.sample; do
    ! grep -q $'[^\r]$' "$unpacked/$text" || fail "$text has lines without CRLF"
  done
  tr -d '\r' <"$unpacked/trellimond.ini.sample" | cmp -s - packaging/trellimond.ini.sample ||
    fail "the zipped sample differs from packaging/trellimond.ini.sample"

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
  python3 - "$scoop" "$version" "$hash" "${zip##*/}" <<'EOF' || fail "$scoop does not describe the zip"
import json, sys
manifest, version, sha, name = json.load(open(sys.argv[1])), sys.argv[2], sys.argv[3], sys.argv[4]
assert manifest["version"] == version and manifest["hash"] == sha and manifest["url"].endswith("/" + name)
EOF
fi

# This tree's executable on a sample folder that reads the sample.
case "$TRM_WINE_ARCH" in
  i686) TRELLIMOND="$unpacked/trellimond.exe" ;;
  x86_64) TRELLIMOND="$unpacked/trellimond64.exe" ;;
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
