# A picture of the real menu on a sample folder, titled, with icons and two
# sub-menus open, saved as an artifact for people to look at.
source "$(dirname "$0")/lib.sh"
e2e_init menu_screenshot

mkdir -p "$FIXTURE/Documents/Letters" "$FIXTURE/Music" "$FIXTURE/Empty"
for name in "Read me.trtest" "Budget {2026} final.trtest" "notes.txt" "Todo.trtest" "Documents/Report.trtest" \
  "Documents/Plan.txt" "Documents/Letters/To Anna.trtest" "Music/Song one.trtest"; do
  echo "$name" >"$FIXTURE/$name"
done
artifacts="$TRM_BUILD_DIR/artifacts"
mkdir -p "$artifacts"

park_pointer
start_trellimond "$FIXTURE_WIN" -dotitles -display 3 -sort 2 -block recorder -addexplore bottom \
  -appearatx 60 -appearaty 60 -menuxalignment left -menuyalignment top
wait_for_menu
# Title, Documents: open it; it opens on its own title, then Letters.
keys Down Down Right
wait_for_menus 2
keys Down Right
wait_for_menus 3
shot="$artifacts/menu-cascade.png"
settled_menu_shot "$FIXTURE/screen.png"
convert "$FIXTURE/screen.png" -crop 700x400+0+0 +repage "$shot"
keys Escape Escape Escape
wait_for_exit 30
[ "$(recorded_count)" -eq 0 ] || fail "Escape opened something: $(recorded_lines)"
colours=$(convert "$shot" -format '%k' info:)
[ "$colours" -gt 8 ] || fail "the screenshot shows only $colours colours"
echo "screenshot: $shot ($colours colours)"
echo PASS
