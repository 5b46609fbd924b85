# trellimond.exe is a GUI PE of its architecture (PE32 i386 or PE32+ x86-64)
# with its C/C++ runtime linked in: it imports Windows DLLs only. It carries
# one application manifest, src/trellimond.manifest as written (which asks
# for the UTF-8 code page), and a version resource with the version of the
# VERSION file and the copyright line of LICENSE, named trellimond.exe and
# described as the 32-bit or 64-bit build.
#   check_exe_format.sh EXE i686|x86_64
set -euo pipefail
exe="$1"
case "$2" in
  i686) format='PE32 executable (GUI) Intel 80386' bits=32-bit ;;
  x86_64) format='PE32+ executable (GUI) x86-64' bits=64-bit ;;
  *) echo "FAIL: unknown architecture $2"; exit 1 ;;
esac
source_dir="$(dirname "$0")/../.."
version=$(head -n 1 "$source_dir/VERSION")
copyright=$(grep -m 1 '^Copyright ' "$source_dir/LICENSE")
file "$exe" | grep -qF "$format" || { file "$exe"; echo "FAIL: not a $format"; exit 1; }
dlls=$("$2-w64-mingw32-objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}')
echo "imports: $(echo $dlls)"
if echo "$dlls" | grep -E 'libgcc|libstdc|libwinpthread|^lib'; then
  echo "FAIL: runtime DLLs imported"
  exit 1
fi
for dll in $dlls; do
  case "$dll" in
    kernel32.dll | msvcrt.dll | user32.dll | gdi32.dll | shell32.dll | ole32.dll | oleaut32.dll | comctl32.dll | advapi32.dll | olepro32.dll) ;;
    *) echo "FAIL: unexpected import $dll"; exit 1 ;;
  esac
done
resources=$("$2-w64-mingw32-windres" -i "$exe" -O rc)
[ "$(grep -c '^1 24 ' <<<"$resources")" -eq 1 ] || { echo "$resources"; echo "FAIL: not one application manifest"; exit 1; }
# windres cuts the manifest into quoted pieces: joined, it reads as written.
manifest=$(awk '/^1 24 / {m = 1; next} m && /^END/ {m = 0}
  m && /^ *"/ {sub(/^ *"/, ""); sub(/"$/, ""); printf "%s", $0}' <<<"$resources" | sed 's/""/"/g; s/\\n/\n/g')
# From a here-string: grep -q stops at the first match, and under pipefail
# an echo cut short by that would fail the check.
need() {
  grep -qF -- "$2" <<<"$1" || { echo "$1"; echo "FAIL: $3"; exit 1; }
}
need "$manifest" '<activeCodePage xmlns="http://schemas.microsoft.com/SMI/2019/WindowsSettings">UTF-8</activeCodePage>' \
  'the manifest does not ask for the UTF-8 code page'
[ "$manifest" = "$(cat "$source_dir/src/trellimond.manifest")" ] ||
  { echo "$manifest"; echo "FAIL: the manifest is not src/trellimond.manifest"; exit 1; }
[ "$(grep -c '^1 VERSIONINFO' <<<"$resources")" -eq 1 ] || { echo "$resources"; echo "FAIL: not one version resource"; exit 1; }
need "$resources" " FILEVERSION ${version//./, }, 0" "the file version is not $version"
need "$resources" " PRODUCTVERSION ${version//./, }, 0" "the product version is not $version"
for value in "\"FileVersion\", \"$version\"" "\"ProductVersion\", \"$version\"" \
  "\"OriginalFilename\", \"trellimond.exe\"" "\"FileDescription\", \"Trellimond folder menu launcher ($bits)\"" \
  "\"LegalCopyright\", \"$copyright, MIT License."; do
  need "$resources" "VALUE $value" "the version resource lacks $value"
done
# The runtimes linked in are not the developers' own: their notices are named.
grep -F 'VALUE "LegalCopyright"' <<<"$resources" | grep -qF 'see THIRD-PARTY-NOTICES.txt"' ||
  { echo "$resources"; echo "FAIL: the copyright line does not name THIRD-PARTY-NOTICES.txt"; exit 1; }
echo PASS
