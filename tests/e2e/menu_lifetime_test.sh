# With waittodietime the process stays for about that long after the menu
# has closed; without it the process ends as soon as the menu closes.
source "$(dirname "$0")/lib.sh"
e2e_init menu_lifetime

echo x >"$FIXTURE/file.trtest"
park_pointer

start_trellimond "$FIXTURE_WIN" -block recorder
wait_for_menu
closed_ns=$(date +%s%N)
keys Escape
wait_for_exit 30
echo "without waittodietime: ended $((($(date +%s%N) - closed_ns) / 1000000)) ms after Escape"

# A negative time, which only quoting can give, is no time at all.
start_trellimond "$FIXTURE_WIN" -block recorder -waittodietime " -5000"
wait_for_menu
keys Escape
wait_for_exit 5

start_trellimond "$FIXTURE_WIN" -block recorder -waittodietime 3000
wait_for_menu
keys Escape
closed_ns=$(date +%s%N)
wait_until 30 bash -c "! xdotool search --onlyvisible --pid $PID >/dev/null 2>&1" || fail "the menu did not close"
wait_for_exit 30
lived=$((($(date +%s%N) - closed_ns) / 1000000))
echo "with -waittodietime 3000: ended ${lived} ms after Escape"
[ "$lived" -ge 2500 ] || fail "ended after ${lived} ms"

# Picking an item with waittodietime: the item opens at once, the process waits.
start_trellimond "$FIXTURE_WIN" -block recorder -waittodietime 2000
wait_for_menu
keys Down Return
wait_for_recorded 1 30
kill -0 "$PID" 2>/dev/null || fail "ended at once despite -waittodietime 2000"
wait_for_exit 30
echo PASS
