# Typing into the open menu: the first letters of an item's shown name
# select it (the title skipped, the same letter again moves on to the next
# item with it, a sub-menu answers on its own), typing alone opens nothing,
# and Return opens the selection. A name with "&" is shown with it, whole.
source "$(dirname "$0")/lib.sh"
e2e_init type_ahead

label="Salt & Pepper & Oil & Vinegar"
mkdir -p "$FIXTURE/Veg&Roots"
for name in Apple Banana blackcurrant Blueberry Tomato "$label" Veg\&Roots/{Carrot,Celery,Radish}; do
  echo "$name" >"$FIXTURE/$name.trtest"
done
# A title "type_ahead", then by name: Veg&Roots, Apple, Banana, blackcurrant,
# Blueberry, the label, Tomato.
at=(-sort 2 -dotitles -removeallext -block recorder -appearatx 100 -appearaty 100 -menuxalignment left
  -menuyalignment top)

# expect_opened N NAME: the Nth open was of NAME.
expect_opened() {
  wait_for_recorded "$1" 30
  wait_for_exit 30
  [ "$(recorded_lines | sed -n "${1}p")" = "$FIXTURE_WIN\\$2" ] || fail "expected $2 opened: $(recorded_lines)"
}

park_pointer
start_trellimond "$FIXTURE_WIN" "${at[@]}"
wait_for_menu
mkdir -p "$TRM_BUILD_DIR/artifacts"
shot="$TRM_BUILD_DIR/artifacts/menu-type-ahead.png"
settled_menu_shot "$FIXTURE/screen.png"
read -r x y w h <<<"$(window_geometry "$MENU")"
convert "$FIXTURE/screen.png" -crop "${w}x${h}+$x+$y" +repage "$shot"

# Once the selection has moved, typing has had its effect.
before=$(identify -format '%#' "$FIXTURE/screen.png")
keys b l u
settled_menu_shot "$FIXTURE/typed.png" "$before"
[ "$(final_recorded_count)" -eq 0 ] || fail "typing opened something: $(recorded_lines)"
have_menu || fail "typing closed the menu"
keys Return
expect_opened 1 Blueberry.trtest

# The label is read back whole, "&" and all; OCR gives its line's box (in
# the picture scaled x4), and the menu leaves room after its last letter
# (a label measured narrower than it is drawn is cut at the item's edge).
convert "$shot" -colorspace Gray -resize 400% "$FIXTURE/ocr.png"
tesseract "$FIXTURE/ocr.png" "$FIXTURE/ocr" --psm 6 tsv >/dev/null 2>&1 || fail "tesseract failed"
read -r top height < <(awk -F'\t' -v label="$label" '
  $1 == 4 {key = $3 "." $4 "." $5; box[key] = $8 " " $10}
  $1 == 5 {key = $3 "." $4 "." $5; text[key] = text[key] (text[key] == "" ? "" : " ") $12}
  END {for (key in text) if (text[key] == label) print box[key]}' "$FIXTURE/ocr.tsv") || true
[ -n "${top:-}" ] || fail "'$label' not read in $shot: $(cut -f12 "$FIXTURE/ocr.tsv" | tr '\n' ' ')"
band_top=$((top / 4))
band=$(((top + height + 3) / 4 - band_top))
# Inside the one-pixel frame: the text's ink, white on black, and its box.
read -r ink_width ink_left < <(convert "$shot" -crop "$((w - 2))x$band+1+$band_top" +repage -colorspace Gray \
  -threshold 50% -negate -format '%@\n' info: | sed 's/^\([0-9]*\)x[0-9]*+\([0-9]*\)+.*/\1 \2/')
room=$((w - 2 - ink_left - ink_width))
echo "label ends $room pixels before the menu's edge ($shot)"
[ "$room" -ge 6 ] || fail "the label reaches the menu's edge ($room pixels left)"

# The title "type_ahead" is skipped; the same letter again cycles.
start_trellimond "$FIXTURE_WIN" "${at[@]}"
wait_for_menu
keys t Return
expect_opened 2 Tomato.trtest
start_trellimond "$FIXTURE_WIN" "${at[@]}"
wait_for_menu
keys b b b Return
expect_opened 3 Blueberry.trtest

# After a pause the next letter starts afresh ("a", not "sa"); the arrows
# move on from the item typed to.
start_trellimond "$FIXTURE_WIN" "${at[@]}"
wait_for_menu
keys s
# Longer than the typing delay (twice the double-click time: 1 s).
sleep 1.5
keys a Down Return
expect_opened 4 Banana.trtest

# A folder's sub-menu: typing selects it, Right opens it, typing goes on
# there; its title "Veg&Roots" does not take the "r" for itself.
start_trellimond "$FIXTURE_WIN" "${at[@]}"
wait_for_menu
keys v Right
wait_for_menus 2
keys r Up Return
expect_opened 5 'Veg&Roots\Celery.trtest'
echo PASS
