# The thumbnail tooltip shown for real by the program's menu windows: the
# menu showcase starts the hover timer when "Photos.jpg" is selected, as the
# program does for the entry under the pointer; when it fires the picture
# appears beside the pointer at its own size, and goes when another item is
# selected. Saved as an artifact.
source "$(dirname "$0")/lib.sh"
e2e_init thumbnail_tip

SHOWCASE="$TRM_BUILD_DIR/menu_showcase.exe"
artifacts="$TRM_BUILD_DIR/artifacts"
mkdir -p "$artifacts"
convert rose: -resize '140x92!' "$FIXTURE/photo.jpg"

tip_window() { xdotool search --all --onlyvisible --pid "$PID" --name '^ToolTip$' 2>/dev/null | head -n 1; }
tip_shown() { [ -n "$(tip_window)" ]; }

# On the menu's title strip, where resting selects nothing the keys choose.
xdotool mousemove 70 68
START_NS=$(date +%s%N)
wine "$SHOWCASE" classic "$(winepath -w "$FIXTURE/colours.txt")" "$(winepath -w "$FIXTURE/photo.jpg")" >/dev/null 2>&1 &
PID=$!
STARTED_PIDS+=("$PID")
wait_for_menu
# Up selects the last item, Documents; Up again Photos.jpg.
keys Up Up
wait_until 10 tip_shown || fail "no thumbnail appeared for Photos.jpg"
sleep 0.3
read -r x y width height < <(window_geometry "$(tip_window)")
echo "tip at $x,$y, $width x $height"
[ "$width" -eq 147 ] && [ "$height" -eq 100 ] || fail "the tip is $width x $height, not the picture's 140 x 92 with its margins"
[ "$x" -eq 86 ] && [ "$y" -eq 84 ] || fail "the tip is at $x,$y, not 16 pixels right of and below the pointer"

import -silent -window root "$FIXTURE/screen.png"
shot="$artifacts/thumbnail-tip.png"
convert "$FIXTURE/screen.png" -crop 420x260+40+40 +repage "$shot"
inside=$(convert "$FIXTURE/screen.png" -crop "$((width - 10))x$((height - 10))+$((x + 5))+$((y + 5))" +repage \
  -format '%k' info:)
echo "screenshot: $shot; $inside colours inside the tip"
[ "$inside" -gt 200 ] || fail "the tip shows no picture ($inside colours)"

# Another item: the tip goes.
keys Down
wait_until 10 bash -c "! xdotool search --all --onlyvisible --pid $PID --name '^ToolTip\$' >/dev/null 2>&1" ||
  fail "the tip stayed after the selection moved on"
keys Escape
wait_for_exit 30
echo PASS
