# The same menu at 96 and at 144 DPI (the prefix's LogPixels): at 144 it is
# about half as large again both ways, its icons are 24 pixels instead of
# 16, and every label is still read whole. Both screenshots are saved as
# artifacts.
source "$(dirname "$0")/lib.sh"
e2e_init display_scaling

mkdir -p "$FIXTURE/Documents"
for name in "Budget final.trtest" "notes.txt" "Read me.trtest" "Todo.trtest"; do echo "$name" >"$FIXTURE/$name"; done
artifacts="$TRM_BUILD_DIR/artifacts"
WORK="$FIXTURE-work"
rm -rf "$WORK"
mkdir -p "$artifacts" "$WORK"
set_dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
undo_on_exit 'set_dpi 96'

# icon_rows PNG BACKGROUND: the heights of the icons in a strip of the
# icon column: runs of rows that differ from the menu's background colour,
# gaps of up to two rows (inside an icon's picture) bridged.
icon_rows() {
  local height
  height=$(identify -format '%h' "$1")
  convert "$1" -scale "1x${height}!" -depth 8 txt:- | tail -n +2 |
    awk -v bg="#$2" '{ y = NR - 1 } $3 != bg { if (first == "" || y - last > 3) { if (first != "") print last - first + 1; first = y } last = y }
      END { if (first != "") print last - first + 1 }'
}

# show DPI: the menu at that DPI; sets WIDTH, HEIGHT, ICON (the tallest run
# in the icon column) and saves the screenshot.
show() {
  set_dpi "$1"
  park_pointer
  start_trellimond "$FIXTURE_WIN" -dotitles -display 3 -sort 2 -block recorder \
    -appearatx 40 -appearaty 40 -menuxalignment left -menuyalignment top
  wait_for_menu
  settled_menu_shot "$WORK/screen.png"
  local x y
  read -r x y WIDTH HEIGHT <<<"$(window_geometry "$MENU")"
  local shot="$artifacts/scaling-$1.png" background
  convert "$WORK/screen.png" -crop "${WIDTH}x${HEIGHT}+$x+$y" +repage "$shot"
  # Beside the last, short label: the menu's own colour.
  background=$(convert "$shot" -crop "1x1+$((WIDTH * 3 / 4))+$((HEIGHT - 8))" -format '%[hex:p]' info:)
  # A strip of the icon column below the title, left of any label.
  convert "$shot" -crop "10x$((HEIGHT * 2 / 3))+8+$((HEIGHT / 3))" +repage "$WORK/icons.png"
  ICON=$(icon_rows "$WORK/icons.png" "$background" | sort -n | tail -n 1)
  keys Escape
  wait_for_exit 30
}

show 96
width96=$WIDTH height96=$HEIGHT icon96=$ICON
show 144
echo "96 DPI: ${width96}x${height96}, icons $icon96; 144 DPI: ${WIDTH}x${HEIGHT}, icons $ICON"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { r = a / b; exit !(r >= 1.45 && r <= 1.55) }'; }
ratio "$WIDTH" "$width96" || fail "at 144 DPI the menu is $WIDTH wide, at 96 $width96"
ratio "$HEIGHT" "$height96" || fail "at 144 DPI the menu is $HEIGHT high, at 96 $height96"
# The icons' pictures are a little smaller than the icons themselves.
[ "$icon96" -le 16 ] && [ "$ICON" -gt 16 ] && [ "$ICON" -le 24 ] && ratio "$ICON" "$icon96" ||
  fail "icons of $icon96 and $ICON pixels, not 16 and 24"

# Every label of the larger menu read whole: nothing cut or overlapping.
convert "$artifacts/scaling-144.png" -colorspace Gray -resize 300% "$WORK/ocr.png"
tesseract "$WORK/ocr.png" "$WORK/ocr" --psm 6 >/dev/null 2>&1 || fail "tesseract failed"
for label in Documents "Budget final.trtest" notes.txt "Read me.trtest" Todo.trtest; do
  grep -qF "$label" "$WORK/ocr.txt" || fail "'$label' not read at 144 DPI: $(tr '\n' '|' <"$WORK/ocr.txt")"
done
[ "$(recorded_count)" -eq 0 ] || fail "Escape opened something: $(recorded_lines)"
echo PASS
