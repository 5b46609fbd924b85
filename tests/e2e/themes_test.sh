# The menu's colours by -theme and the system's settings, read off
# screenshots: the app theme in the registry (AppsUseLightTheme) decides
# for -theme system, -theme light and dark override it, and high contrast
# brings the system's colours back whatever -theme says. The dark
# screenshot is saved as an artifact.
source "$(dirname "$0")/lib.sh"
e2e_init themes

for name in alpha.trtest beta.trtest gamma.trtest delta.trtest; do echo "$name" >"$FIXTURE/$name"; done
artifacts="$TRM_BUILD_DIR/artifacts"
WORK="$FIXTURE-work"
rm -rf "$WORK"
mkdir -p "$artifacts" "$WORK"
personalize='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
contrast='HKCU\Control Panel\Accessibility\HighContrast'
restore() {
  wine reg delete "$personalize" /v AppsUseLightTheme /f >/dev/null 2>&1 || true
  wine reg add "$contrast" /v Flags /t REG_SZ /d 0 /f >/dev/null 2>&1 || true
}
undo_on_exit restore

# pixel SHOT X Y: the colour there as RRGGBB.
pixel() { convert "$1" -crop "1x1+$2+$3" -format '%[hex:p]' info:; }
# brightness SHOT GEOMETRY min|max: the darkest or brightest grey level there.
brightness() {
  convert "$1" -crop "$2" -colorspace Gray -format "%[fx:255*$3]" info: | cut -d. -f1
}

# case NAME APPS-USE-LIGHT HIGH-CONTRAST dark|light ARGS...
case_row() {
  local name=$1 light=$2 high=$3 expected=$4
  shift 4
  wine reg add "$personalize" /v AppsUseLightTheme /t REG_DWORD /d "$light" /f >/dev/null 2>&1
  wine reg add "$contrast" /v Flags /t REG_SZ /d "$high" /f >/dev/null 2>&1
  park_pointer
  start_trellimond "$FIXTURE_WIN" -sort 2 -block recorder -appearatx 40 -appearaty 40 -menuxalignment left \
    -menuyalignment top "$@"
  wait_for_menu
  settled_menu_shot "$WORK/screen.png"
  local before
  before=$(identify -format '%#' "$WORK/screen.png")
  keys Down
  settled_menu_shot "$WORK/screen.png" "$before"
  local x y width height shot="$WORK/$name.png"
  read -r x y width height <<<"$(window_geometry "$MENU")"
  convert "$WORK/screen.png" -crop "${width}x${height}+$x+$y" +repage "$shot"
  keys Escape
  wait_for_exit 30
  # Four rows: alpha (selected), beta, gamma, delta.
  local row=$(((height - 6) / 4)) right=$((width - 8))
  local selection back text
  selection=$(pixel "$shot" "$right" $((3 + row / 2)))
  back=$(pixel "$shot" "$right" $((3 + row * 2 + row / 2)))
  echo "$name: background #$back, selection #$selection"
  if [ "$expected" = dark ]; then
    [ "$back" = 2B2B2B ] && [ "$selection" = 414141 ] || fail "$name is not dark: #$back, #$selection"
    text=$(brightness "$shot" "$((width / 2))x$row+8+$((3 + row * 2))" maxima)
    [ "$text" -gt 200 ] || fail "$name: the labels are not light ($text)"
    cp "$shot" "$artifacts/theme-dark.png"
  else
    [ "$back" != 2B2B2B ] && [ "$selection" != 414141 ] || fail "$name is dark: #$back, #$selection"
    [ "$(brightness "$shot" "1x1+$right+$((3 + row * 2 + row / 2))" maxima)" -gt 200 ] ||
      fail "$name: the background is not light"
    text=$(brightness "$shot" "$((width / 2))x$row+8+$((3 + row * 2))" minima)
    [ "$text" -lt 60 ] || fail "$name: the labels are not dark ($text)"
  fi
}

case_row system-dark 0 0 dark
case_row system-light 1 0 light
case_row forced-dark 1 0 dark -theme dark
case_row forced-light 0 0 light -theme light
case_row high-contrast 0 1 light -theme dark
case_row high-contrast-system 0 1 light
[ "$(recorded_count)" -eq 0 ] || fail "Escape opened something: $(recorded_lines)"
echo PASS
