# The real program's menu windows: a top title across both columns of a
# two-column menu in every frame style (each saved as an artifact and
# checked at its edges), a folder's title picture inside its menu at its
# size and reduced, and translucent menu windows read back from outside.
source "$(dirname "$0")/lib.sh"
e2e_init menu_windows

artifacts="$TRM_BUILD_DIR/artifacts"
mkdir -p "$artifacts"
mkdir -p "$FIXTURE/Sub"
for name in "alpha.trtest" "beta.trtest" "gamma.trtest" "delta.trtest" "Sub/inner.trtest"; do echo "$name" >"$FIXTURE/$name"; done
# Screenshots and the probe's answers go beside the folder shown, not into it.
WORK="$FIXTURE-work"
rm -rf "$WORK"
mkdir -p "$WORK"
PROBE_OUT="$WORK/probe.txt"
at_corner=(-appearatx 60 -appearaty 60 -menuxalignment left -menuyalignment top -block recorder)

# probe: what menu_window_probe.exe sees now.
probe() {
  local status=0
  wine "$TRM_BUILD_DIR/menu_window_probe.exe" "$(winepath -w "$PROBE_OUT")" >/dev/null 2>"$WORK/probe.err" || status=$?
  [ "$status" -eq 0 ] || fail "the probe failed with $status: $(tail -n 3 "$WORK/probe.err" | tr '\n' ' ')"
  tr -d '\r' <"$PROBE_OUT"
}
colour() { probe | awk -v name="$1" '$1 == "colour" && $2 == name {print "srgb(" $3 "," $4 "," $5 ")"}'; }
hex() { echo "$1" | tr -d 'srgb()' | awk -F, '{printf "#%02X%02X%02X", $1, $2, $3}'; }

# shoot NAME: the root menu window as an artifact; sets SHOT, W and H.
shoot() {
  local x y
  read -r x y W H < <(window_geometry "$MENU")
  settled_menu_shot "$WORK/screen.png"
  SHOT="$artifacts/$1.png"
  convert "$WORK/screen.png" -crop "${W}x${H}+$x+$y" +repage "$SHOT"
}
pixel() { convert "$SHOT" -format "%[pixel:p{$1,$2}]" info:; }
# run_menu ARGS...: the menu of the fixture at the corner, on screen.
run_menu() {
  park_pointer
  start_trellimond "$FIXTURE_WIN" "${at_corner[@]}" "$@"
  wait_for_menu
}
close_menu() {
  keys Escape Escape
  wait_for_exit 30
}

menutext=""
shadow=""
for style in default rounded flat nooutline nobackground; do
  words=()
  [ "$style" != default ] && words=("$style")
  run_menu -dotitles -display 3 "${words[@]}" -sort 2 -barbreakbefore delta.trtest
  [ -n "$menutext" ] || {
    menutext=$(colour menutext)
    shadow=$(colour btnshadow)
    menu=$(colour menu)
    face=$(colour btnface)
    highlight=$(colour btnhighlight)
  }
  shoot "menu-frame-$style"
  close_menu
  # The title's outline runs across both columns: its top row is the text colour
  # from the left margin to the right one.
  outline=$(convert "$SHOT" -crop "$((W - 6))x1+3+3" +repage -alpha off txt:- | grep -ciF " $(hex "$menutext") " || true)
  echo "$style: $SHOT ${W}x$H; title outline $outline of $((W - 6)) pixels;" \
    "corners $(pixel 0 0) $(pixel 0 $((H - 1))); left edge $(pixel 0 $((H / 2)))"
  [ "$outline" -ge $((W - 8)) ] || fail "$style: the title spans only $outline of $((W - 6)) pixels"
  case "$style" in
    rounded)
      [ "$(pixel 0 $((H - 1)))" = "$menu" ] && [ "$(pixel $((W - 1)) $((H - 1)))" = "$menu" ] ||
        fail "rounded: the bottom corners are not cut"
      [ "$(pixel $((W / 2)) $((H - 1)))" = "$shadow" ] || fail "rounded: no shadow along the bottom"
      ;;
    flat)
      [ "$(pixel 0 0)" = "$menutext" ] && [ "$(pixel $((W - 1)) $((H / 2)))" = "$menutext" ] ||
        fail "flat: no one-pixel line in the text colour"
      [ "$(pixel 1 $((H / 2)))" = "$face" ] || fail "flat: no border strip in the button face colour"
      ;;
    nooutline)
      for point in "0 0" "$((W / 2)) 0" "0 $((H / 2))" "$((W - 1)) $((H - 1))"; do
        # shellcheck disable=SC2086
        [ "$(pixel $point)" = "$menu" ] || fail "nooutline: a frame pixel at $point"
      done
      ;;
    nobackground)
      [ "$(pixel 0 $((H / 2)))" = "$highlight" ] && [ "$(pixel $((W - 1)) $((H / 2)))" = "$shadow" ] ||
        fail "nobackground: no raised line"
      ;;
  esac
done

# A title picture: its item grows by the picture's height (the picture
# takes the place of the item's text row), by half of it reduced by 2, and
# the picture's colours are shown.
convert rose: -resize '140x92!' "$FIXTURE/folder.jpg"
run_menu -dotitles -display 3
read -r _ _ _ plain < <(window_geometry "$MENU")
close_menu
run_menu -dotitles -display 3 -dotitleimages noclick
shoot menu-title-image
pictured=$H
colours=$(convert "$SHOT" -format '%k' info:)
close_menu
run_menu -dotitles -display 3 -dotitleimages -imagereductionx 2 -imagereductiony 2
read -r _ _ _ reduced < <(window_geometry "$MENU")
close_menu
echo "title picture: $SHOT; heights $plain plain, $pictured with the picture, $reduced reduced; $colours colours"
[ $((pictured - reduced)) -eq 46 ] || fail "halving the picture took $((pictured - reduced)) pixels off, not 46"
[ $((pictured - plain)) -ge $((92 - 25)) ] || fail "the picture added only $((pictured - plain)) pixels"
[ "$colours" -gt 500 ] || fail "no picture in the menu ($colours colours)"
rm "$FIXTURE/folder.jpg"

# Translucent menus, the sub-menu too: alpha 200 - 2 x 50.
run_menu -transparent 50 -sort 2
keys Down Right
wait_for_menus 2
seen=$(probe | awk '$1 == "menu"')
close_menu
echo "transparent 50: $(echo "$seen" | tr '\n' ';')"
[ "$(echo "$seen" | grep -c ' layered 100$')" -eq 2 ] || fail "the menus are not both layered at alpha 100"
run_menu -sort 2
seen=$(probe | awk '$1 == "menu"')
close_menu
echo "$seen" | grep -q ' opaque -1$' || fail "a menu without -transparent is layered: $seen"
[ "$(recorded_count)" -eq 0 ] || fail "something was opened: $(recorded_lines)"
echo PASS
