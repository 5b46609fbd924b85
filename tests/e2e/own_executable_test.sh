# A renamed copy of the program, started from the folder it shows, leaves
# itself out of the menu, which the program under its usual name lists: the
# copy's menu holds one item where the other's holds two, and that item is
# the other file.
source "$(dirname "$0")/lib.sh"
e2e_init own_executable

echo a >"$FIXTURE/a.trtest"
cp "$TRELLIMOND" "$FIXTURE/Zed.exe"
at=(-block recorder -appearatx 100 -appearaty 100 -menuxalignment left -menuyalignment top)

# menu_height: the height of the menu of a run started with start_trellimond.
menu_height() {
  wait_for_menu
  local x y w h
  read -r x y w h <<<"$(window_geometry "$MENU")"
  echo "$h"
}

park_pointer
start_trellimond "$FIXTURE_WIN" "${at[@]}"
both=$(menu_height)
keys Escape
wait_for_exit 30

TRELLIMOND="$FIXTURE/Zed.exe"
start_trellimond "$FIXTURE_WIN" "${at[@]}"
alone=$(menu_height)
[ "$alone" -lt "$both" ] || fail "Zed.exe lists itself: its menu is $alone pixels high, the other's $both"
# Only now is it safe to pick: had the copy been listed, it would start.
keys Up Return
wait_for_recorded 1 30
wait_for_exit 30
[ "$(recorded_lines)" = "$FIXTURE_WIN\\a.trtest" ] || fail "the copy's one item opened: $(recorded_lines)"
echo "PASS: a menu of $alone pixels without itself, $both with the copy listed"
