# Opening a file whose extension has no association: Wine's own "Error" box
# comes first, then the launcher's "Information" box with its message.
source "$(dirname "$0")/lib.sh"
e2e_init unassociated

echo x >"$FIXTURE/notes.zzq"
start_trellimond "$FIXTURE_WIN\\notes.zzq"
wait_for_window Error 30
answer_dialog Error
wait_for_window Information 30
text=$(dialog_text Information)
echo "$text" | grep -qxF "There is no application associated with the given file name extension." ||
  fail "Information box says: $text"
answer_dialog Information
wait_for_exit 30
[ "$(recorded_count)" -eq 0 ] || fail "something was opened: $(recorded_lines)"

# A missing file gives the not-found message.
start_trellimond "$FIXTURE_WIN\\missing.trtest"
wait_for_window Error 30
answer_dialog Error
wait_for_window Information 30
text=$(dialog_text Information)
echo "$text" | grep -qxF "The specified file was not found." || fail "Information box says: $text"
answer_dialog Information
wait_for_exit 30
echo PASS
