# Shift held at start chooses revshiftrun over shiftrun; with only shiftrun
# set, Shift shows the menu instead of opening the item, and with only
# revshiftrun set, so does starting without Shift.
source "$(dirname "$0")/lib.sh"
e2e_init shiftrun

echo a >"$FIXTURE/plain.trtest"
echo b >"$FIXTURE/shifted.trtest"
both=(-shiftrun "$FIXTURE_WIN\\plain.trtest" -revshiftrun "$FIXTURE_WIN\\shifted.trtest")

start_trellimond "$FIXTURE_WIN" "${both[@]}"
wait_for_recorded 1 30
wait_for_exit 30
[ "$(recorded_lines | sed -n 1p)" = "$FIXTURE_WIN\\plain.trtest" ] || fail "without Shift: $(recorded_lines)"

hold_shift
start_trellimond "$FIXTURE_WIN" "${both[@]}"
wait_for_recorded 2 30
wait_for_exit 30
xdo keyup shift
[ "$(recorded_lines | sed -n 2p)" = "$FIXTURE_WIN\\shifted.trtest" ] || fail "with Shift: $(recorded_lines)"

# Only shiftrun, Shift held: nothing is opened directly; the menu, if one
# shows, is dismissed with Escape.
hold_shift
start_trellimond "$FIXTURE_WIN" -shiftrun "$FIXTURE_WIN\\plain.trtest"
wait_until 30 menu_or_exit || fail "neither a menu nor an exit"
xdo keyup shift
end_menu_run
[ "$(final_recorded_count)" -eq 2 ] || fail "Shift with only shiftrun opened something: $(recorded_lines)"

start_trellimond "$FIXTURE_WIN" -revshiftrun "$FIXTURE_WIN\\shifted.trtest"
end_menu_run
[ "$(final_recorded_count)" -eq 2 ] || fail "only revshiftrun, no Shift, opened something: $(recorded_lines)"
echo PASS
