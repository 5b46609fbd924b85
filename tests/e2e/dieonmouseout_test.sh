# -dieonmouseout with the real program: the menus stay while the pointer has
# never been over them, stay when it comes back within the delay, and close
# once it has been away for the delay, not before (at once without one),
# opening nothing.
source "$(dirname "$0")/lib.sh"
e2e_init dieonmouseout

mkdir -p "$FIXTURE/Sub"
for name in "alpha.trtest" "beta.trtest" "Sub/inner.trtest"; do echo "$name" >"$FIXTURE/$name"; done
at_corner=(-appearatx 100 -appearaty 100 -menuxalignment left -menuyalignment top -block recorder)

still_open() { ! process_ended "$PID" && have_menu; }

# The times below are the behaviour: what must not happen is watched for
# longer than the delay, and the pointer comes back well within it.
park_pointer
start_trellimond "$FIXTURE_WIN" "${at_corner[@]}" -dieonmouseout 1500
wait_for_menu
sleep 2.5
still_open || fail "the menus closed before the pointer had been over them"

point_to 130 110
# Out and back within the delay: the close is called off.
xdo mousemove 600 600
sleep 0.3
xdo mousemove 130 112
sleep 2.5
still_open || fail "the menus closed although the pointer came back within the delay"

xdo mousemove 600 600
LEFT_NS=$(date +%s%N)
sleep 0.5
still_open || fail "the menus closed before the delay had passed"
wait_until 10 process_ended "$PID" || fail "the menus stayed after the pointer had left them"
closed_ms=$((($(date +%s%N) - LEFT_NS) / 1000000))
echo "closed about $closed_ms ms after the pointer left"
[ "$closed_ms" -ge 1400 ] || fail "the menus closed $closed_ms ms after the pointer left, before the delay of 1500"

# Without a delay they close as soon as the pointer is outside.
park_pointer
start_trellimond "$FIXTURE_WIN" "${at_corner[@]}" -dieonmouseout
wait_for_menu
sleep 0.5
still_open || fail "no delay: the menus closed before the pointer had been over them"
point_to 130 110
xdo mousemove 600 600
LEFT_NS=$(date +%s%N)
wait_until 10 process_ended "$PID" || fail "no delay: the menus stayed after the pointer had left them"
echo "no delay: closed about $((($(date +%s%N) - LEFT_NS) / 1000000)) ms after the pointer left"
[ "$(final_recorded_count)" -eq 0 ] || fail "closing opened something: $(recorded_lines)"
echo PASS
