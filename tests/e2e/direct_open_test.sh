# A file given on the command line is opened through the shell with no menu,
# and the program ends; waittodietime does not keep it alive then.
source "$(dirname "$0")/lib.sh"
e2e_init direct_open

echo hello >"$FIXTURE/readme.trtest"
start_trellimond "$FIXTURE_WIN\\readme.trtest"
wait_for_recorded 1 30
wait_for_exit 30
[ "$(recorded_lines)" = "$FIXTURE_WIN\\readme.trtest" ] || fail "recorded: $(recorded_lines)"

# A path with spaces arrives whole (Wine takes the long path).
mkdir -p "$FIXTURE/My Files"
echo x >"$FIXTURE/My Files/long name here.trtest"
start_trellimond "$FIXTURE_WIN\\My Files\\long name here.trtest"
wait_for_recorded 2 30
wait_for_exit 30
recorded_lines | sed -n 2p | grep -qxF "$FIXTURE_WIN\\My Files\\long name here.trtest" ||
  fail "recorded: $(recorded_lines)"

# With an item opened directly there is no window for the exit timer, so a
# long waittodietime must not keep the process.
echo y >"$FIXTURE/later.trtest"
start_trellimond "$FIXTURE_WIN\\later.trtest" -waittodietime 3000
wait_for_recorded 3 30
wait_for_exit 30
echo "direct open with -waittodietime 3000 ended after ${ELAPSED_MS} ms"
start_trellimond "$FIXTURE_WIN\\later.trtest" -waittodietime 60000
wait_for_recorded 4 30
wait_for_exit 30
echo "direct open with -waittodietime 60000 ended after ${ELAPSED_MS} ms"
echo PASS
