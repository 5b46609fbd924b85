# The menu appears; the keyboard and the mouse pick items in the root menu,
# two levels down and in an empty folder's menu; the recorder logs what the
# shell opened and the program ends.
source "$(dirname "$0")/lib.sh"
e2e_init menu_pick

mkdir -p "$FIXTURE/Sub/Deeper" "$FIXTURE/Empty"
for name in a.trtest b.trtest Sub/mid.trtest Sub/Deeper/target.trtest; do echo "$name" >"$FIXTURE/$name"; done
# Folders first, by name: Empty, Sub, a.trtest, b.trtest (and the recorder's log, kept out).
at=(-sort 2 -block recorder -appearatx 100 -appearaty 100 -menuxalignment left -menuyalignment top)

park_pointer
start_trellimond "$FIXTURE_WIN" "${at[@]}"
wait_for_menu
keys Up Return
wait_for_recorded 1 30
wait_for_exit 30
[ "$(recorded_lines)" = "$FIXTURE_WIN\\b.trtest" ] || fail "last item: $(recorded_lines)"

# Two levels down: Sub opens with Deeper selected, Deeper with target selected.
start_trellimond "$FIXTURE_WIN" "${at[@]}"
wait_for_menu
keys Down Down Right
wait_for_menus 2
keys Right
wait_for_menus 3
keys Return
wait_for_recorded 2 30
wait_for_exit 30
[ "$(recorded_lines | sed -n 2p)" = "$FIXTURE_WIN\\Sub\\Deeper\\target.trtest" ] ||
  fail "two levels down: $(recorded_lines)"

# The empty folder's menu offers one entry, which opens the folder.
start_trellimond "$FIXTURE_WIN" "${at[@]}"
wait_for_menu
keys Down Right
wait_for_menus 2
keys Return
wait_for_recorded 3 30
wait_for_exit 30
[ "$(recorded_lines | sed -n 3p)" = "$FIXTURE_WIN\\Empty" ] || fail "empty folder: $(recorded_lines)"

# The mouse: a click on the third of four equal rows (a.trtest).
start_trellimond "$FIXTURE_WIN" "${at[@]}"
wait_for_menu
read -r x y w h <<<"$(window_geometry "$MENU")"
row=$(((h - 6) / 4))
point_to $((x + w / 2)) $((y + 3 + row * 2 + row / 2))
xdo click 1
wait_for_recorded 4 30
wait_for_exit 30
[ "$(recorded_lines | sed -n 4p)" = "$FIXTURE_WIN\\a.trtest" ] || fail "mouse click: $(recorded_lines)"
park_pointer

# startdirectory shows its folder whatever folder comes first.
start_trellimond "$FIXTURE_WIN" "${at[@]}" -startdirectory "$FIXTURE_WIN\\Sub"
wait_for_menu
keys Up Return
wait_for_recorded 5 30
wait_for_exit 30
[ "$(recorded_lines | sed -n 5p)" = "$FIXTURE_WIN\\Sub\\mid.trtest" ] || fail "startdirectory: $(recorded_lines)"

# Escape opens nothing and ends the program.
start_trellimond "$FIXTURE_WIN" "${at[@]}"
wait_for_menu
keys Escape
wait_for_exit 30
[ "$(final_recorded_count)" -eq 5 ] || fail "Escape opened something: $(recorded_lines)"
echo PASS
