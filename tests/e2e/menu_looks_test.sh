# The owner-drawn menu in each look (classic, xp, nobackground), tracked for
# real by menu_showcase.exe: a top title, icons, a disabled item, a
# separator, a column break and a sub-menu with a side title, the sub-menu
# open. Each look is saved as an artifact and checked for its colours.
source "$(dirname "$0")/lib.sh"
e2e_init menu_looks

SHOWCASE="$TRM_BUILD_DIR/menu_showcase.exe"
artifacts="$TRM_BUILD_DIR/artifacts"
mkdir -p "$artifacts"


# pixels_of FILE "R G B": how many pixels of exactly that colour FILE has.
pixels_of() {
  local rgb
  rgb="rgb($(echo "$2" | tr ' ' ','))"
  convert "$1" -alpha off -fill black +opaque "$rgb" -fill white -opaque "$rgb" -format '%[fx:round(mean*w*h)]' info:
}
colour() { awk -v name="$1" '$1 == name {print $2, $3, $4}' "$FIXTURE/colours-$look.txt" | tr -d '\r'; }

for look in classic xp nobackground; do
  park_pointer
  START_NS=$(date +%s%N)
  wine "$SHOWCASE" "$look" "$(winepath -w "$FIXTURE/colours-$look.txt")" >/dev/null 2>&1 &
  PID=$!
  STARTED_PIDS+=("$PID")
  wait_for_menu
  # Up selects the last item, Documents; Right opens it on its side title;
  # Down goes over the title's break item to the first document.
  keys Up Right
  wait_for_menus 2
  settled_menu_shot "$FIXTURE/screen-$look.png"
  before=$(identify -format '%#' "$FIXTURE/screen-$look.png")
  keys Down Down
  settled_menu_shot "$FIXTURE/screen-$look.png" "$before"
  read -r left top right bottom < <(
    for window in $(menu_windows); do window_geometry "$window"; done | awk 'NR == 1 {l = $1; t = $2; r = $1 + $3; b = $2 + $4}
                {if ($1 < l) l = $1; if ($2 < t) t = $2; if ($1 + $3 > r) r = $1 + $3; if ($2 + $4 > b) b = $2 + $4}
                END {print l, t, r, b}')
  shot="$artifacts/menu-$look.png"
  convert "$FIXTURE/screen-$look.png" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$shot"
  keys Escape Escape
  wait_for_exit 30

  caption=$(pixels_of "$shot" "$(colour caption)")
  highlight=$(pixels_of "$shot" "$(colour highlight)")
  face=$(pixels_of "$shot" "$(colour btnface)")
  shadow=$(pixels_of "$shot" "$(colour btnshadow)")
  echo "$look: $shot $((right - left))x$((bottom - top)); caption $caption, highlight $highlight," \
    "button face $face, button shadow $shadow pixels"
  # Both title strips: the top one across the root menu, the side one down the sub-menu.
  [ "$caption" -gt 2000 ] || fail "$look: the title strips are missing ($caption caption-coloured pixels)"
  [ "$shadow" -gt 60 ] || fail "$look: no separator or bar in the shadow colour ($shadow pixels)"
  case "$look" in
    classic | xp) [ "$highlight" -gt 1000 ] || fail "$look: no selection bars ($highlight pixels)" ;;
    nobackground) [ "$highlight" -lt 300 ] || fail "$look: a selection bar was filled ($highlight pixels)" ;;
  esac
  # The xp look's icon columns are in the button face colour.
  if [ "$look" = xp ]; then
    [ "$face" -gt 1500 ] || fail "xp: no icon column ($face button-face pixels)"
  else
    [ "$face" -lt 400 ] || fail "$look: an icon column was filled ($face button-face pixels)"
  fi
done
echo PASS
