#!/usr/bin/env bash
# Takes the manual's pictures (docs/manual/*.png) of the real trellimond.exe
# under Wine on a virtual display, driven with xdotool as the end-to-end
# tests drive it: the frame styles, the titles, a title picture, the
# thumbnail, a shortcut's sub-menu, the shell's context menu, type-ahead, and
# one menu at 100 % and 150 % display scaling in the light and dark themes.
#   bash scripts/manual-shots.sh
# Builds the 32-bit program (the 64-bit one where 32-bit programs cannot
# run) and runs it in a Wine session of its own (a prefix under
# build/manual-shots, Xvfb on TRM_SHOTS_DISPLAY, default :97), so that it
# can run beside the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
source "$root/scripts/wine-env.sh"
trm_wine_pick "take the pictures" || exit 1
arch=$TRM_WINE_PICKED tree=$TRM_WINE_PICKED_TREE
bash "$root/scripts/build.sh" "$tree" >/dev/null

out="$root/docs/manual"
session="$root/build/manual-shots"
export TRM_BUILD_DIR="$root/build/$tree" TRM_WINE_ARCH=$arch TRM_SOURCE_DIR=$root
export DISPLAY=${TRM_SHOTS_DISPLAY:-:97}
export WINEPREFIX="$session/wineprefix-$arch" TRM_WINE_SESSION_DIR="$session/session-$arch"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
bash "$root/scripts/wine-session.sh" start >/dev/null
# Wine's default colours end the caption gradient where it starts; these are
# the ends of Windows' classic scheme, so that -dotitles gradient shows one.
wine reg add 'HKCU\Control Panel\Colors' /v ActiveTitle /d '10 36 106' /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Colors' /v GradientActiveTitle /d '166 202 240' /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Colors' /v TitleText /d '255 255 255' /f >/dev/null 2>&1
source "$root/tests/e2e/lib.sh"
e2e_init manual
set_dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap 'set_dpi 96; e2e_cleanup; bash "$root/scripts/wine-session.sh" stop >/dev/null 2>&1' EXIT

# The sample folder: three sub-folders, a picture folder with its own
# folder.jpg, a shortcut to a folder elsewhere, and files whose names begin
# alike for typing.
S="$FIXTURE/Stuff"
S_WIN="$FIXTURE_WIN\\Stuff"
mkdir -p "$S/Documents/Letters" "$S/Music" "$S/Pictures" "$FIXTURE/Projects/Website"
for name in "Banana bread.txt" "Blueberry jam.txt" "Budget.txt" "notes.ini" "Read me.txt" "setup.bat" \
  "Documents/Plan.txt" "Documents/Report.txt" "Documents/Letters/To Anna.txt" "Music/Song one.mp3" \
  "Music/Song two.mp3"; do
  echo "$name" >"$S/$name"
done
for name in Ideas.txt Timeline.txt; do echo "$name" >"$FIXTURE/Projects/$name"; done
convert rose: -resize '150x100!' "$S/Pictures/folder.jpg"
convert -size 120x80 gradient:skyblue-navy "$S/Pictures/Beach.jpg"
convert -size 120x80 gradient:yellowgreen-darkgreen "$S/Pictures/Garden.jpg"
convert rose: -resize '280x184!' "$S/Rose.jpg"
wine "$TOOLS_WIN\\make_shortcut.exe" "$S_WIN\\Projects.lnk" "$FIXTURE_WIN\\Projects" 16 >/dev/null 2>&1 ||
  fail "could not make the shortcut"
# By name: Documents, Music, Pictures, then Banana bread.txt, Blueberry
# jam.txt, Budget.txt, notes.ini, Projects, Read me.txt, Rose.jpg, setup.bat.
rows=11
at=(-sort 2 -appearatx 40 -appearaty 40 -menuxalignment left -menuyalignment top)

open_menu() {
  park_pointer
  start_trellimond "$S_WIN" "${at[@]}" "$@"
  wait_for_menu
  read -r MENU_X MENU_Y MENU_W MENU_H <<<"$(window_geometry "$MENU")"
}

# save NAME: the program's visible windows (menus, the thumbnail, the shell's
# menu) with a margin of the desktop round them, as docs/manual/NAME.png.
save() {
  sleep 0.4
  import -silent -window root "$FIXTURE/screen.png"
  local left top right bottom
  read -r left top right bottom < <(
    for window in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do window_geometry "$window"; done |
      awk 'NR == 1 {l = $1; t = $2; r = $1 + $3; b = $2 + $4}
           {if ($1 < l) l = $1; if ($2 < t) t = $2; if ($1 + $3 > r) r = $1 + $3; if ($2 + $4 > b) b = $2 + $4}
           END {m = 12; if (l < m) l = m; if (t < m) t = m; print l - m, t - m, r + m, b + m}')
  convert "$FIXTURE/screen.png" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage -strip "$out/$1.png"
  echo "docs/manual/$1.png"
}

# close_menus: Escape until the program has ended.
close_menus() {
  local i
  for i in 1 2 3 4; do
    process_ended "$PID" && break
    xdotool key Escape
    sleep 0.3
  done
  wait_for_exit 30
}

# point_at ROW: the pointer on the middle of item ROW (0 = first) of a menu
# of ROWS rows below a title of TITLE pixels.
point_at() {
  local row_h=$(((MENU_H - 6 - TITLE) / ROWS))
  xdotool mousemove $((MENU_X + MENU_W / 2)) $((MENU_Y + 3 + TITLE + $1 * row_h + row_h / 2))
}

rm -f "$out"/*.png
mkdir -p "$out"

# The overview: titles, icons, an Explore entry, two sub-menus open.
open_menu -display 3 -dotitles -addexplore bottom
keys Down Down Right
wait_for_menus 2
keys Down Right
wait_for_menus 3
save overview
close_menus

# The frames, each with the Documents sub-menu open.
for style in default flat rounded nobackground nooutline xp; do
  if [ "$style" = default ]; then open_menu -display 3; else open_menu -display 3 "$style"; fi
  keys Down Right
  wait_for_menus 2
  save "frame-$style"
  close_menus
done

# Titles: on top, upright on the left, with a gradient.
open_menu -display 3 -dotitles
keys Down Down Right
wait_for_menus 2
# A sub-menu opened with Right has its title selected: Down moves on.
keys Down
save title-top
close_menus
# Wine's Down key finds no item in a menu that begins with a column break.
open_menu -display 3 -dotitles left
TITLE=0 ROWS=$rows
point_at 0
wait_for_menus 2
save title-left
close_menus
open_menu -display 3 -dotitles gradient
keys Down Down Right
wait_for_menus 2
keys Down
save title-gradient
close_menus

# The Pictures sub-menu with its folder.jpg on top.
open_menu -display 3 -dotitleimages
keys Down Down Down Right
wait_for_menus 2
save title-picture
close_menus

# The thumbnail of Rose.jpg, the tenth row.
open_menu -display 3 -dothumbnailsontooltip -dothumbnailsontooltipsizex 200 -dothumbnailsontooltipsizey 130
TITLE=0 ROWS=$rows
point_at 9
tip_shown() { xdotool search --all --onlyvisible --pid "$PID" --name '^ToolTip$' >/dev/null 2>&1; }
wait_until 10 tip_shown || fail "no thumbnail appeared over Rose.jpg"
save thumbnail
close_menus

# The shortcut Projects as the sub-menu of its folder, among the
# sub-folders now: the fourth row.
open_menu -display 3 -menusforshortcutstofolders
TITLE=0 ROWS=$rows
point_at 3
wait_for_menus 2
save shortcut-submenu
close_menus

# The shell's context menu of Read me.txt, the ninth row.
open_menu -display 3
TITLE=0 ROWS=$rows
point_at 8
sleep 0.3
xdotool click 3
wait_for_menus 2
save context-menu
close_menus

# Typing "bl" goes to Blueberry jam.txt past Banana bread.txt.
open_menu -display 3
keys b l
save type-ahead
close_menus
# One menu at 100 % and at 150 % display scaling (the prefix's LogPixels),
# light and dark, with the Documents sub-menu open.
for dpi in 96 144; do
  set_dpi "$dpi"
  for theme in light dark; do
    open_menu -display 3 -dotitles -theme "$theme"
    keys Down Down Right
    wait_for_menus 2
    keys Down
    save "scaling-$dpi-$theme"
    close_menus
  done
done
set_dpi 96
[ "$(recorded_count)" -eq 0 ] || fail "taking the pictures opened something: $(recorded_lines)"
