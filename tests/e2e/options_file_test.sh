# -useinifile reads trellimond.ini (or the named file) from the folder given
# on the command line; options in it apply like command-line options.
source "$(dirname "$0")/lib.sh"
e2e_init options_file

echo a >"$FIXTURE/fromini.trtest"
# The options file holds a quoted path; its last line has no line break.
printf -- '-sort 2 -dotitles gradient\r\n-shiftrun "%s\\fromini.trtest"' "$FIXTURE_WIN" >"$FIXTURE/trellimond.ini"
start_trellimond "$FIXTURE_WIN" -useinifile
wait_for_recorded 1 30
wait_for_exit 30
[ "$(recorded_lines)" = "$FIXTURE_WIN\\fromini.trtest" ] || fail "recorded: $(recorded_lines)"

# Another name given on the command line.
echo b >"$FIXTURE/other.trtest"
printf -- '-shiftrun "%s\\other.trtest"\n' "$FIXTURE_WIN" >"$FIXTURE/myopts.txt"
start_trellimond "$FIXTURE_WIN" -useinifile myopts.txt
wait_for_recorded 2 30
wait_for_exit 30
[ "$(recorded_lines | sed -n 2p)" = "$FIXTURE_WIN\\other.trtest" ] || fail "recorded: $(recorded_lines)"

# Without -useinifile the file is not read.
start_trellimond "$FIXTURE_WIN"
end_menu_run
[ "$(recorded_count)" -eq 2 ] || fail "options file read without -useinifile: $(recorded_lines)"
echo PASS
