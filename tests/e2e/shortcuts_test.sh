# The real program with file icons and shortcuts: a shortcut to a folder
# opens as that folder's sub-menu and its item opens through the shell; one
# whose folder was removed holds a single disabled entry that opens nothing;
# a shortcut to a removed file is disabled. The cascade with its icons is
# saved as an artifact.
source "$(dirname "$0")/lib.sh"
e2e_init shortcuts

mkdir -p "$FIXTURE/Shown" "$FIXTURE/Elsewhere/Projects" "$FIXTURE/Elsewhere/Old"
for name in "Shown/Read me.trtest" "Shown/notes.txt" "Shown/Todo.trtest" "Elsewhere/Projects/plan.trtest" \
  "Elsewhere/Projects/summary.txt" "Elsewhere/letter.trtest"; do
  echo "$name" >"$FIXTURE/$name"
done
shortcut() {
  wine "$TOOLS_WIN\\make_shortcut.exe" "$FIXTURE_WIN\\Shown\\$1.lnk" "$FIXTURE_WIN\\Elsewhere\\$2" "${3:-0}" \
    >/dev/null 2>&1 || fail "could not make the shortcut $1"
}
shortcut Projects Projects
shortcut "Old projects" Old 16
shortcut Letter letter.trtest 32
# Removed after the shortcuts were made; Windows keeps what they were.
rm -rf "$FIXTURE/Elsewhere/Old" "$FIXTURE/Elsewhere/letter.trtest"
artifacts="$TRM_BUILD_DIR/artifacts"
mkdir -p "$artifacts"
# Sub-menus first: Old projects, Projects; then Letter (disabled), notes.txt, Read me, Todo.
at=(-display 3 -menusforshortcutstofolders -sort 2 -appearatx 60 -appearaty 60 -menuxalignment left
  -menuyalignment top)

park_pointer
start_trellimond "$FIXTURE_WIN\\Shown" "${at[@]}"
wait_for_menu
keys Down Down Right
wait_for_menus 2
shot="$artifacts/shortcuts-icons.png"
settled_menu_shot "$FIXTURE/screen.png"
convert "$FIXTURE/screen.png" -crop 600x300+0+0 +repage "$shot"
keys Return
wait_for_recorded 1 30
wait_for_exit 30
[ "$(recorded_lines)" = "$FIXTURE_WIN\\Elsewhere\\Projects\\plan.trtest" ] || fail "Projects: $(recorded_lines)"
colours=$(convert "$shot" -format '%k' info:)
[ "$colours" -gt 12 ] || fail "the screenshot shows only $colours colours: no icons?"
# The standard folder icon, beside the first folder item.
folder_icon=$(convert "$shot" -crop 16x14+64+66 +repage -format '%k' info:)
[ "$folder_icon" -gt 2 ] || fail "the folder item Old projects shows no icon"
echo "screenshot: $shot ($colours colours)"

# The removed folder's sub-menu: its one entry is disabled, so Return opens nothing.
start_trellimond "$FIXTURE_WIN\\Shown" "${at[@]}"
wait_for_menu
keys Down Right
wait_for_menus 2
keys Return
wait_for_exit 30
[ "$(recorded_count)" -eq 1 ] || fail "the unavailable entry opened something: $(recorded_lines)"

# Down skips nothing but opens nothing on a disabled entry: Letter is the third item.
start_trellimond "$FIXTURE_WIN\\Shown" "${at[@]}"
wait_for_menu
keys Down Down Down Return
wait_for_exit 30
[ "$(recorded_count)" -eq 1 ] || fail "the shortcut to a removed file opened something: $(recorded_lines)"
echo PASS
