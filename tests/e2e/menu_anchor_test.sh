# The menu's anchor follows appearatx/appearaty and the two alignments, and
# snaps to the screen's edge near it; read from the menu window's rectangle.
source "$(dirname "$0")/lib.sh"
e2e_init menu_anchor

for name in one.trtest two.trtest three.trtest; do echo "$name" >"$FIXTURE/$name"; done

# check_anchor XALIGN YALIGN EXPECTED-X EXPECTED-Y: where the menu's
# aligned corner (or centre) must stand for an anchor at (400, 300).
check_anchor() {
  park_pointer
  start_trellimond "$FIXTURE_WIN" -block recorder -appearatx 400 -appearaty 300 -menuxalignment "$1" \
    -menuyalignment "$2"
  wait_for_menu
  read -r x y w h <<<"$(window_geometry "$MENU")"
  local ax ay
  case "$1" in left) ax=$x ;; centre) ax=$((x + w / 2)) ;; right) ax=$((x + w)) ;; esac
  case "$2" in top) ay=$y ;; centre) ay=$((y + h / 2)) ;; bottom) ay=$((y + h)) ;; esac
  keys Escape
  wait_for_exit 30
  [ $((ax - 400)) -ge -1 ] && [ $((ax - 400)) -le 1 ] && [ $((ay - 300)) -ge -1 ] && [ $((ay - 300)) -le 1 ] ||
    fail "$1/$2: menu at $x,$y size ${w}x$h puts the anchor at $ax,$ay"
}

check_anchor left top
check_anchor right bottom
check_anchor centre centre
check_anchor left bottom
check_anchor right top

# Anchors within 32 pixels of the screen's top-left edge snap to (0, 0).
park_pointer
start_trellimond "$FIXTURE_WIN" -block recorder -appearatx 5 -appearaty 5 -menuxalignment left -menuyalignment top
wait_for_menu
read -r x y w h <<<"$(window_geometry "$MENU")"
keys Escape
wait_for_exit 30
[ "$x" -eq 0 ] && [ "$y" -eq 0 ] || fail "anchor (5, 5) gave a menu at $x,$y"

# Without appearatx/appearaty the menu is centred on the pointer.
xdo mousemove 600 400
start_trellimond "$FIXTURE_WIN" -block recorder
wait_for_menu
read -r x y w h <<<"$(window_geometry "$MENU")"
keys Escape
wait_for_exit 30
park_pointer
cx=$((x + w / 2))
cy=$((y + h / 2))
[ $((cx - 600)) -ge -1 ] && [ $((cx - 600)) -le 1 ] && [ $((cy - 400)) -ge -1 ] && [ $((cy - 400)) -le 1 ] ||
  fail "pointer-centred menu at $x,$y size ${w}x$h"
echo PASS
