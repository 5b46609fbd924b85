# trellimond.exe is a 32-bit GUI PE with its C/C++ runtime linked in: it
# imports Windows DLLs only.
set -euo pipefail
exe="$1"
file "$exe" | grep -q 'PE32 executable (GUI) Intel 80386' || { file "$exe"; echo "FAIL: not a PE32 i386 GUI exe"; exit 1; }
dlls=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}')
echo "imports: $(echo $dlls)"
if echo "$dlls" | grep -E 'libgcc|libstdc|libwinpthread|^lib'; then
  echo "FAIL: runtime DLLs imported"
  exit 1
fi
for dll in $dlls; do
  case "$dll" in
    kernel32.dll | msvcrt.dll | user32.dll | gdi32.dll | shell32.dll | ole32.dll | oleaut32.dll | comctl32.dll | mpr.dll | advapi32.dll | olepro32.dll) ;;
    *) echo "FAIL: unexpected import $dll"; exit 1 ;;
  esac
done
echo PASS
