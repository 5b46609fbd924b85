# -makeshortcut writes a shortcut that starts this program on the folder with
# the other options, says where it went, and shows no menu; started as the
# shortcut says, the program shows the folder's menu. (Wine does not keep the
# shortcut's AppUserModel ID, so that one is left to the unit table and
# docs/windows-checklist.md.)
source "$(dirname "$0")/lib.sh"
e2e_init makeshortcut

GAMES="$FIXTURE/Games Folder"
GAMES_WIN="$FIXTURE_WIN\\Games Folder"
mkdir -p "$GAMES" "$FIXTURE/links"
echo a >"$GAMES/alpha.trtest"

# make_shortcut EXPECTED-BOX-LINE ARGS...: one run that must end after its box.
make_shortcut() {
  local expected=$1
  shift
  start_trellimond "$@"
  expect_information -F "$expected"
}

# read_link NAME: what the shortcut links/NAME holds, as name=value lines.
read_link() {
  wine "$TOOLS_WIN\\read_shortcut.exe" "$FIXTURE_WIN\\links\\$1" "$FIXTURE_WIN\\link.txt" >/dev/null 2>&1 ||
    fail "cannot read the shortcut $1"
  tr -d '\r' <"$FIXTURE/link.txt"
}

make_shortcut "$FIXTURE_WIN\\links\\Games Folder.lnk" "$GAMES_WIN" -sort 2 -makeshortcut "$FIXTURE_WIN\\links" -onlyfiles
link=$(read_link "Games Folder.lnk")
echo "$link"
expected="target=$(winepath -w "$TRELLIMOND")
arguments=\"$GAMES_WIN\" -sort 2 -onlyfiles
workingfolder=$GAMES_WIN"
[ "$(echo "$link" | head -n 3)" = "$expected" ] || fail "the shortcut holds: $link"
# Wine's shell gives a folder its own folder icon from shell32.
echo "$link" | grep -qix 'iconfile=.*\\shell32\.dll' && echo "$link" | grep -qx 'iconindex=-4' ||
  fail "not the folder's icon: $link"

# The same folder and options replace their shortcut; other options get a free name.
make_shortcut "$FIXTURE_WIN\\links\\Games Folder.lnk" "$GAMES_WIN" -sort 2 -makeshortcut "$FIXTURE_WIN\\links" -onlyfiles
make_shortcut "$FIXTURE_WIN\\links\\Games Folder (2).lnk" "$GAMES_WIN" -sort 3 -makeshortcut "$FIXTURE_WIN\\links"
[ "$(ls "$FIXTURE/links" | wc -l)" -eq 2 ] || fail "links: $(ls "$FIXTURE/links")"

# A folder that is not there: a clear message and nothing written.
make_shortcut "No shortcut was made: there is no folder \"$FIXTURE_WIN\\Gone\"." \
  "$FIXTURE_WIN\\Gone" -makeshortcut "$FIXTURE_WIN\\links"
[ "$(ls "$FIXTURE/links" | wc -l)" -eq 2 ] || fail "written for a missing folder: $(ls "$FIXTURE/links")"

# Started as the first shortcut says, in its working folder: the folder's menu.
cd "$GAMES"
start_trellimond "$GAMES_WIN" -sort 2 -onlyfiles
wait_for_menu
keys Down Return
wait_for_recorded 1 30
wait_for_exit 30
[ "$(recorded_lines)" = "$GAMES_WIN\\alpha.trtest" ] || fail "recorded: $(recorded_lines)"
echo PASS
