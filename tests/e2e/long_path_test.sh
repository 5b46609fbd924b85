# A path of more than 260 characters on the command line overflows nothing:
# it is taken as an item to open, the shell cannot find it, the launcher
# says so and the program ends normally.
source "$(dirname "$0")/lib.sh"
e2e_init long_path

long="$FIXTURE_WIN"
for _ in $(seq 30); do long="$long\\abcdefghijklmnop"; done
long="$long\\target.trtest"
[ "${#long}" -gt 260 ] || fail "test path too short"
start_trellimond "$long" -sort 2
expect_launcher_message "The specified (file|path) was not found\."
echo PASS
