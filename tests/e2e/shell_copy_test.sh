# Copy in the shell's context menu outlives the launcher: a secondary click
# on a file, Copy, the program ends, and a process started afterwards finds
# that file in the clipboard's file list.
source "$(dirname "$0")/lib.sh"
e2e_init shell_copy

echo copied >"$FIXTURE/copied.trtest"
LIST="$FIXTURE-clipboard.txt"
rm -f "$LIST"
clipboard() { wine "$TOOLS_WIN\\clipboard_files.exe" "$@" >/dev/null 2>&1; }
clipboard empty || fail "could not empty the clipboard"

# The menu's one item, copied.trtest, under the pointer.
park_pointer
start_trellimond "$FIXTURE_WIN" -block recorder -appearatx 100 -appearaty 100 -menuxalignment left -menuyalignment top
wait_for_menu
read -r x y width height <<<"$(window_geometry "$MENU")"
xdotool mousemove --sync $((x + width / 2)) $((y + height / 2)) click 3
wait_for_menus 2
xdotool windowfocus "$(shell_menu)" 2>/dev/null || true
# Wine's menu for a file: Open, Cut, Copy, ...
keys Down Down Down Return
wait_for_exit 30

clipboard "$(winepath -w "$LIST")" || fail "no file list on the clipboard once the launcher had ended"
[ "$(tr -d '\r' <"$LIST")" = "$FIXTURE_WIN\\copied.trtest" ] || fail "the clipboard lists: $(cat "$LIST")"
echo PASS
