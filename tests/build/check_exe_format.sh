# trellimond.exe is a GUI PE of its architecture (PE32 i386 or PE32+ x86-64)
# with its C/C++ runtime linked in: it imports Windows DLLs only, and it
# carries one application manifest that asks for the UTF-8 code page.
#   check_exe_format.sh EXE i686|x86_64
set -euo pipefail
exe="$1"
case "$2" in
  i686) format='PE32 executable (GUI) Intel 80386' ;;
  x86_64) format='PE32+ executable (GUI) x86-64' ;;
  *) echo "FAIL: unknown architecture $2"; exit 1 ;;
esac
file "$exe" | grep -qF "$format" || { file "$exe"; echo "FAIL: not a $format"; exit 1; }
dlls=$("$2-w64-mingw32-objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}')
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
resources=$("$2-w64-mingw32-windres" -i "$exe" -O rc)
[ "$(echo "$resources" | grep -c '^1 24 ')" -eq 1 ] || { echo "$resources"; echo "FAIL: not one application manifest"; exit 1; }
echo "$resources" | grep -q '<activeCodePage xmlns=""http://schemas.microsoft.com/SMI/2019/WindowsSettings"">UTF-8</activeCodePage>' ||
  { echo "$resources"; echo "FAIL: the manifest does not ask for the UTF-8 code page"; exit 1; }
echo "$resources" | grep -q '<dpiAwareness xmlns=""http://schemas.microsoft.com/SMI/2016/WindowsSettings"">system</dpiAwareness>' ||
  { echo "$resources"; echo "FAIL: the manifest does not declare the program DPI-aware"; exit 1; }
echo PASS
