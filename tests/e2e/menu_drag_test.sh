# Dragging an item out of the real program's menu onto a window of another
# process (tests/tools/drop_target.cpp): pressed on b.trtest, moved onto the
# window in steps and released there, the item's own file is dropped, the
# launcher ends and nothing is opened; a sub-folder's item drops the folder,
# a shortcut its .lnk file; Escape during the drag drops nothing. With
# -nodrag the same gesture drops nothing.
source "$(dirname "$0")/lib.sh"
e2e_init menu_drag

WORK="$FIXTURE-work"
rm -rf "$WORK"
mkdir -p "$WORK" "$FIXTURE/Sub"
for name in a.trtest b.trtest Sub/inner.trtest; do echo "$name" >"$FIXTURE/$name"; done
wine "$TOOLS_WIN\\make_shortcut.exe" "$FIXTURE_WIN\\c.lnk" "$FIXTURE_WIN\\a.trtest" >/dev/null 2>&1 ||
  fail "could not make c.lnk"
DROP_LOG="$WORK/dropped.log"
# By name: Sub, a.trtest, b.trtest, c (the shortcut).
at=(-sort 2 -block recorder -appearatx 100 -appearaty 100 -menuxalignment left -menuyalignment top)

dropped_lines() { if [ -f "$DROP_LOG" ]; then tr -d '\r' <"$DROP_LOG"; fi; }
has_dropped() { [ -n "$(dropped_lines)" ]; }

wine "$TOOLS_WIN\\drop_target.exe" "$(winepath -w "$DROP_LOG")" 560 200 300 200 >/dev/null 2>&1 &
STARTED_PIDS+=("$!")
wait_for_window 'Drop target' 30
target=$(xdotool search --onlyvisible --name '^Drop target$' | head -n 1)
read -r TARGET_X TARGET_Y TARGET_W TARGET_H <<<"$(window_geometry "$target")"
TO_X=$((TARGET_X + TARGET_W / 2)) TO_Y=$((TARGET_Y + TARGET_H / 2))

# drag_row ARGS... ROW: starts the launcher with ARGS, presses the primary
# button on row ROW of four, and moves the pointer onto the drop target in
# twenty steps, the button held throughout.
drag_row() {
  rm -f "$DROP_LOG"
  park_pointer
  start_trellimond "$FIXTURE_WIN" "${at[@]}" "${@:1:$#-1}"
  wait_for_menu
  local x y w h
  read -r x y w h <<<"$(window_geometry "$MENU")"
  local row_h=$(((h - 6) / 4)) row=${!#}
  local from_x=$((x + w / 2)) from_y=$((y + 3 + row * row_h + row_h / 2))
  xdotool mousemove --sync "$from_x" "$from_y"
  xdotool mousedown 1
  local i
  for ((i = 1; i <= 20; i++)); do
    xdotool mousemove --sync $((from_x + i * (TO_X - from_x) / 20)) $((from_y + i * (TO_Y - from_y) / 20))
  done
}
files_over() { window_named 'Drop target \(files over\)'; }
# over_target: waits until the target sees files dragged over it.
over_target() { wait_until 30 files_over || { xdotool mouseup 1; fail "nothing was dragged over the target"; }; }

# drop_row ROW DROPPED: released over the target, the drag drops DROPPED
# alone and the launcher ends.
drop_row() {
  drag_row "$1"
  over_target
  xdotool mouseup 1
  wait_until 30 has_dropped || fail "row $1: nothing was dropped"
  wait_for_exit 30
  [ "$(dropped_lines)" = "$2" ] || fail "row $1 dropped: $(dropped_lines)"
}

drop_row 2 "$FIXTURE_WIN\\b.trtest"
[ -f "$FIXTURE/b.trtest" ] || fail "the dropped file is gone"
drop_row 0 "$FIXTURE_WIN\\Sub"   # a sub-folder's item: the folder
drop_row 3 "$FIXTURE_WIN\\c.lnk" # a shortcut: its own file, not its target
wait_until 2 has_recorded 1 && fail "a drag opened: $(recorded_lines)"

# Escape during the drag, held as a person holds a key so that the drag's
# next look sees it: nothing is dropped or opened, and the launcher ends.
drag_row 1
over_target
xdotool keydown Escape
wait_until 30 process_ended "$PID" || { xdotool keyup Escape mouseup 1; fail "Escape did not end the drag"; }
xdotool keyup Escape mouseup 1
wait_until 2 has_dropped && fail "Escape dropped: $(dropped_lines)"
[ "$(recorded_count)" -eq 0 ] || fail "Escape opened: $(recorded_lines)"

# -nodrag: the same gesture is the menu's own; it drops nothing and, the
# button released off the menus, the menu stays until Escape.
drag_row -nodrag 2
xdotool mouseup 1
wait_until 2 has_dropped && fail "-nodrag dropped: $(dropped_lines)"
end_menu_run
has_dropped && fail "-nodrag dropped: $(dropped_lines)"
[ "$(recorded_count)" -eq 0 ] || fail "-nodrag opened: $(recorded_lines)"
echo PASS
