# Opening a file whose extension has no association: Wine's own "Error" box
# comes first, then the launcher's "Information" box with its message.
source "$(dirname "$0")/lib.sh"
e2e_init unassociated

echo x >"$FIXTURE/notes.zzq"
start_trellimond "$FIXTURE_WIN\\notes.zzq"
expect_launcher_message "There is no application associated with the given file name extension\."
[ "$(recorded_count)" -eq 0 ] || fail "something was opened: $(recorded_lines)"

# A missing file gives the not-found message.
start_trellimond "$FIXTURE_WIN\\missing.trtest"
expect_launcher_message "The specified file was not found\."
echo PASS
