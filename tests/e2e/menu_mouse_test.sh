# The mouse on the real program's menus: resting on a picture shows its
# thumbnail at the configured size and moving on hides it; a click on a
# title opens its folder, a double click on a sub-folder opens that folder;
# a right click shows the shell's context menu over ours, Escape closes it
# without opening anything, its Open command opens what it names and its
# Properties sheet keeps the process until it is closed; with swapped
# buttons the right button opens titles and picks items, and the left one
# shows the shell's menu (and does not open the item as well). Screenshots of the thumbnail
# and of the shell's menu are saved as artifacts.
source "$(dirname "$0")/lib.sh"
e2e_init menu_mouse

artifacts="$TRM_BUILD_DIR/artifacts"
mkdir -p "$artifacts" "$FIXTURE/Sub"
WORK="$FIXTURE-work"
rm -rf "$WORK"
mkdir -p "$WORK"
for name in a.trtest b.trtest Sub/inner.trtest; do echo "$name" >"$FIXTURE/$name"; done
convert rose: -resize '140x92!' "$FIXTURE/photo.jpg"
# By name: Sub, a.trtest, b.trtest, photo.jpg; Explore at the bottom.
at=(-sort 2 -block recorder -appearatx 100 -appearaty 100 -menuxalignment left -menuyalignment top)
titled=(-dotitles clicktoopenfolder -addexplore bottom)

swap_buttons() { wine reg add 'HKCU\Control Panel\Mouse' /v SwapMouseButtons /d "$1" /f >/dev/null 2>&1; }
undo_on_exit 'swap_buttons 0'

tip_window() { xdotool search --all --onlyvisible --pid "$PID" --name '^ToolTip$' 2>/dev/null | head -n 1; }
tip_shown() { [ -n "$(tip_window)" ]; }
no_tip() { ! tip_shown; }
# point_at ROW: the pointer on the middle of item ROW (0 = first) below a
# title of TITLE pixels, in rows of ROW_H pixels.
point_at() {
  POINTER_X=$((MENU_X + MENU_W / 2)) POINTER_Y=$((MENU_Y + 3 + TITLE + $1 * ROW_H + ROW_H / 2))
  point_to "$POINTER_X" "$POINTER_Y"
}
open_menu() {
  start_trellimond "$FIXTURE_WIN" "${at[@]}" "$@"
  wait_for_menu
  read -r MENU_X MENU_Y MENU_W MENU_H <<<"$(window_geometry "$MENU")"
}
# click_title BUTTON: a click on the middle of the title strip.
click_title() {
  # The title shows nothing on hover; the click comes after the move all the same.
  xdo mousemove $((MENU_X + MENU_W / 2)) $((MENU_Y + 3 + TITLE / 2))
  xdo click "$1"
}
# click_row ROW BUTTON [COUNT]: COUNT clicks (1) on that row.
click_row() {
  point_at "$1"
  xdo click --repeat "${3:-1}" --delay 80 "$2"
}
# right_click_row ROW BUTTON: the shell's menu for that row; sets SHELL_MENU.
right_click_row() {
  point_at "$1"
  xdo click "$2"
  wait_for_menus 2
  SHELL_MENU=$(shell_menu)
  xdotool windowfocus "$SHELL_MENU" 2>/dev/null || true
}
# shell_open ROW: the Open command of the shell's menu for that row (the
# shell's first item is Explore on a folder, Open the second).
shell_open() {
  right_click_row "$1" 3
  keys Down Down Return
}
# opens N PATH WHAT ACTION...: ACTION in a fresh titled menu makes PATH the
# Nth item opened, and the program ends.
opens() {
  local count=$1 expected=$2 what=$3
  shift 3
  park_pointer
  open_menu "${titled[@]}"
  "$@"
  wait_for_recorded "$count" 30
  wait_for_exit 30
  [ "$(recorded_lines | sed -n "${count}p")" = "$expected" ] || fail "$what: $(recorded_lines)"
}

# Hovering, without titles: four rows of one height.
park_pointer
open_menu -dothumbnailsontooltip -dothumbnailsontooltipsizex 200 -dothumbnailsontooltipsizey 150
TITLE=0
ROW_H=$(((MENU_H - 6) / 4))
point_at 3
wait_until 10 tip_shown || fail "no thumbnail appeared over photo.jpg"
settled_menu_shot "$WORK/hover.png"
read -r x y width height <<<"$(window_geometry "$(tip_window)")"
[ "$width" -eq 207 ] && [ "$height" -eq 158 ] || fail "the tip is $width x $height, not the 200 x 150 box with its margins"
[ "$x" -eq $((POINTER_X + 16)) ] && [ "$y" -eq $((POINTER_Y + 16)) ] ||
  fail "the tip is at $x,$y, not 16 pixels right of and below the pointer at $POINTER_X,$POINTER_Y"
convert "$WORK/hover.png" -crop 420x320+80+80 +repage "$artifacts/mouse-hover-thumbnail.png"
inside=$(convert "$WORK/hover.png" -crop "$((width - 10))x$((height - 10))+$((x + 5))+$((y + 5))" +repage -format '%k' info:)
[ "$inside" -gt 200 ] || fail "the tip shows no picture ($inside colours)"
point_at 2
wait_until 10 no_tip || fail "the tip stayed when the pointer moved to b.trtest"
keys Escape
wait_for_exit 30

# A click on the title opens the folder itself; the title's height is what
# the titled menu has beyond its five rows.
title_click() {
  TITLE=$((MENU_H - 6 - 5 * ROW_H))
  click_title "$1"
}
opens 1 "$FIXTURE_WIN" "title click" title_click 1
# A double click on Sub opens it.
opens 2 "$FIXTURE_WIN\\Sub" "double click" click_row 0 1 2

# A right click on a.trtest: the shell's menu over ours; Escape opens nothing.
park_pointer
open_menu "${titled[@]}"
right_click_row 1 3
import -silent -window root "$WORK/context.png"
read -r x y width height <<<"$(window_geometry "$SHELL_MENU")"
[ "$x" -gt "$MENU_X" ] && [ "$x" -lt $((MENU_X + MENU_W)) ] || fail "the shell's menu is not over ours (x $x)"
convert "$WORK/context.png" -crop "$((x + width - 40))x$((y + height - 40))+60+60" +repage "$artifacts/shell-context-menu.png"
keys Escape
wait_for_exit 30
[ "$(final_recorded_count)" -eq 2 ] || fail "Escape in the shell's menu opened something: $(recorded_lines)"

# Its Open command on the Explore entry (the folder itself; Wine's shell
# opens only folders with it).
opens 3 "$FIXTURE_WIN" "the shell's Open" shell_open 4

# Properties, the last command: the process lives while its sheet is open
# and ends within a second after the sheet has closed.
park_pointer
open_menu "${titled[@]}"
right_click_row 1 3
keys Up Return
wait_for_window 'Properties for a.trtest' 30
# Nothing to wait for: an end that must not come is watched for 2 s.
sleep 2
process_ended "$PID" && fail "the process ended while the property sheet was open"
answer_dialog 'Properties for a.trtest' Escape
closed_ns=$(date +%s%N)
wait_for_exit 30
after_ms=$((($(date +%s%N) - closed_ns) / 1000000))
echo "ended $after_ms ms after the sheet closed"
[ "$after_ms" -le 1000 ] || fail "the process ended $after_ms ms after the sheet closed"
[ "$(final_recorded_count)" -eq 3 ] || fail "Properties opened something: $(recorded_lines)"

# Swapped buttons: the right button opens the title's folder, picks items
# and opens a sub-folder with a double click; the left one shows the
# shell's menu, and Escape there opens nothing
# (not even a.trtest, which the menu itself also takes the left button for).
swap_buttons 1
opens 4 "$FIXTURE_WIN" "swapped title click" click_title 3
park_pointer
open_menu "${titled[@]}"
right_click_row 1 1
keys Escape
wait_for_exit 30
[ "$(final_recorded_count)" -eq 4 ] || fail "the left click with swapped buttons opened something: $(recorded_lines)"
opens 5 "$FIXTURE_WIN\\b.trtest" "the right button picked no item" click_row 2 3
opens 6 "$FIXTURE_WIN\\Sub" "the right double click" click_row 0 3 2
swap_buttons 0
echo PASS
