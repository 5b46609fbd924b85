# Hostile folder trees, shortcuts, pictures and options files given to the
# real program: for each case of the table below the menu appears or the
# process ends within 5 s, it ends cleanly (exit code 0, no crash box, no
# "Unhandled exception") once its menus are dismissed, and nothing is opened
# since nothing is picked.
source "$(dirname "$0")/lib.sh"
# A run that was stopped may have left its unreadable folder behind.
chmod -R u+rwx "$WINEPREFIX/drive_c/e2e/hostile_trees" 2>/dev/null || true
e2e_init hostile_trees
F="$FIXTURE"

# Root reads every folder whatever its mode: the program runs without the
# capabilities that allow that, so that a folder of mode 000 cannot be listed.
as_user=()
if [ "$(id -u)" = 0 ]; then as_user=(setpriv --bounding-set -dac_override,-dac_read_search); fi
unlock() { chmod -R u+rwx "$F" 2>/dev/null || true; }
undo_on_exit unlock

# --- The trees, made from the Linux side. ---
# 10,000 files.
mkdir -p "$F/many"
(cd "$F/many" && seq -f 'file %05g.trtest' 10000 | xargs -d '\n' touch)
# Names of 255 characters (the most Linux allows), a file and a folder.
long=$(printf 'n%.0s' $(seq 251))
mkdir -p "$F/long/${long:0:255}"
touch "$F/long/$long.trt" "$F/long/${long:0:255}/inner.trtest" "$F/long/short.trtest"
# A path of over 260 characters: 8 folders of 60 characters, files at every level.
deep="$F/deep"
for level in 1 2 3 4 5 6 7 8; do
  deep="$deep/level $level $(printf 'd%.0s' $(seq 52))"
  mkdir -p "$deep"
  touch "$deep/file $level.trtest"
done
[ ${#deep} -gt 400 ] || fail "the deep path is only ${#deep} characters"
# Names with bytes of 0x80 and above (not all of them UTF-8), "&", braces,
# leading spaces and trailing dots.
mkdir -p "$F/odd/  spaced folder" "$F/odd/{braced}" "$F/odd/dots..."
for name in $'caf\xe9.trtest' $'\xff\xfe\x80.trtest' $'\xc3\x28 broken.trtest' 'Ünïcödé.trtest' '日本語.trtest' \
  'A & B.trtest' '&&.trtest' '{x}.trtest' '}{.trtest' '   leading.trtest' 'trailing.trtest...' 'dots...' \
  '  spaced folder/inner.trtest' '{braced}/inner.trtest' 'dots.../inner.trtest'; do
  touch "$F/odd/$name"
done
# A loop of symbolic links (to the folder itself and to its parent).
mkdir -p "$F/loop/sub"
touch "$F/loop/sub/a.trtest"
ln -s .. "$F/loop/sub/up"
ln -s . "$F/loop/sub/self"
# A folder that cannot be listed, alone and inside another.
mkdir -p "$F/locked/closed"
touch "$F/locked/closed/hidden.trtest" "$F/locked/open.trtest"
chmod 000 "$F/locked/closed"
# Shortcuts: random bytes, cut short, to a server and to a drive that do not exist.
mkdir -p "$F/links"
shortcut() {
  wine "$TOOLS_WIN\\make_shortcut.exe" "$FIXTURE_WIN\\links\\$1.lnk" "$2" "${3:-0}" >/dev/null 2>&1 ||
    fail "could not make the shortcut $1"
}
touch "$F/links/target.trtest"
shortcut good "$FIXTURE_WIN\\links\\target.trtest"
shortcut server '\\nosuchserver\share\file.trtest'
shortcut "server folder" '\\nosuchserver\share' 16
shortcut drive 'Q:\nothing\file.trtest'
shortcut "drive folder" 'Q:\nothing' 16
head -c 4096 /dev/urandom >"$F/links/random.lnk"
head -c 76 "$F/links/good.lnk" >"$F/links/header only.lnk"
head -c 200 "$F/links/server folder.lnk" >"$F/links/cut.lnk"
: >"$F/links/empty.lnk"
# Pictures: zero bytes, cut short, and a header claiming 20,000 x 20,000 pixels.
convert -size 64x48 gradient:red-blue "$F/good.jpg"
# The frame header (FF C0, length, precision, height, width) rewritten.
sof=$(LC_ALL=C grep -m 1 -obUaP '\xff\xc0' "$F/good.jpg" | awk -F: 'NR == 1 {print $1}')
[ -n "$sof" ] || fail "no frame header in good.jpg"
cp "$F/good.jpg" "$F/huge.jpg"
printf '\x4e\x20\x4e\x20' | dd of="$F/huge.jpg" bs=1 seek=$((sof + 5)) conv=notrunc status=none
for kind in empty cut huge; do
  mkdir -p "$F/title-$kind"
  touch "$F/title-$kind/item.trtest"
done
: >"$F/title-empty/folder.jpg"
head -c 200 "$F/good.jpg" >"$F/title-cut/folder.jpg"
cp "$F/huge.jpg" "$F/title-huge/folder.jpg"
mkdir -p "$F/thumbs"
: >"$F/thumbs/a empty.jpg"
head -c 200 "$F/good.jpg" >"$F/thumbs/b cut.jpg"
cp "$F/huge.jpg" "$F/thumbs/c huge.jpg"
cp "$F/huge.jpg" "$F/thumbs/d huge.gif"
# Options files: 5 MB of options, and one of nothing but quotes.
mkdir -p "$F/big-ini" "$F/quotes-ini"
touch "$F/big-ini/a.trtest" "$F/quotes-ini/a.trtest"
# (No byte 0xFF: it would end the file.)
chunk=$' -sort 2 -block "x y" -separatorafter a -display 3 "unterminated \\ -foldertitle C:\\ T \xe9\xe8 '
chunk+=$'-addopenall *.trtest -maxmenuwidth 99999999999999999999 \r'
(yes "$chunk" || true) | head -c $((5 * 1024 * 1024)) >"$F/big-ini/trellimond.ini"
[ "$(stat -c %s "$F/big-ini/trellimond.ini")" -eq $((5 * 1024 * 1024)) ] || fail "the big options file is not 5 MB"
head -c 100000 /dev/zero | tr '\0' '"' >"$F/quotes-ini/trellimond.ini"

# --- The shared check. ---
crash_box() { xdotool search --onlyvisible --name '^Program Error$' 2>/dev/null | head -n 1; }

# hover_rows: rests the pointer on each row of the menu (for thumbnails):
# past the hover time, 400 ms, after which the picture is tried; a broken
# one shows nothing, so there is nothing to wait for but the time.
# dive: opens the first sub-menu of each level, as deep as it goes.
hover_rows() {
  local x y w h rows=$1 row
  read -r x y w h <<<"$(window_geometry "$MENU")"
  for ((row = 0; row < rows; row++)); do
    point_to $((x + w / 2)) $((y + 3 + (h - 6) * (2 * row + 1) / (2 * rows)))
    sleep 0.8
  done
}
# The Escapes that follow reach the menus only after these keys.
dive() {
  local level steps=()
  for ((level = 0; level < $1; level++)); do steps+=(Down Right); done
  keys "${steps[@]}"
}

# escaped NAME: whether $PID has ended; if not, Escape to its menu.
escaped() {
  process_ended "$PID" && return 0
  [ -z "$(crash_box)" ] || fail "$1: a crash box appeared"
  if menu_window >/dev/null; then
    xdotool windowfocus "$(menu_window)" key Escape 2>/dev/null || true
  fi
  return 1
}

# check NAME FOLDER ACTION LIMIT OPTIONS...: one case; LIMIT is how many
# seconds the menu or the end may take.
check() {
  local name=$1 folder=$2 action=$3 limit=$4
  shift 4
  local before
  before=$(recorded_count)
  park_pointer
  START_NS=$(date +%s%N)
  "${as_user[@]}" wine "$TRELLIMOND" "$FIXTURE_WIN\\$folder" "$@" >/dev/null 2>"$F/stderr.txt" &
  PID=$!
  STARTED_PIDS+=("$PID")
  wait_until "$limit" menu_or_exit || fail "$name: neither a menu nor an exit within $limit s"
  local shown=exit
  if menu_window >/dev/null; then
    shown=menu
    MENU=$(menu_window)
    xdotool windowfocus "$MENU" 2>/dev/null || true
    # shellcheck disable=SC2086
    [ "$action" = - ] || $action
  fi
  local ready_ms=$((($(date +%s%N) - START_NS) / 1000000))
  # Escape until the program ends: at most 10 s.
  wait_until 10 escaped "$name" || fail "$name: still running 10 s after Escape"
  local status=0
  wait "$PID" || status=$?
  [ -z "$(crash_box)" ] || fail "$name: a crash box appeared"
  ! grep -q "Unhandled" "$F/stderr.txt" || fail "$name: $(grep Unhandled "$F/stderr.txt")"
  [ "$status" -eq 0 ] || fail "$name: exit code $status"
  [ "$(final_recorded_count)" -eq "$before" ] || fail "$name: opened $(recorded_lines | tail -n +$((before + 1)))"
  echo "ok: $name ($shown, $ready_ms ms)"
}

# name | folder | action | options, and the seconds the menu may take when
# not 5: Wine's own menus take about 10 s to show 10,000 items, whoever
# asks (the plain-menu yardstick of bench/ as well), so a menu of all of
# them gets 40 s; the scan of all of them gets the 5 s.
cases=(
  "10,000 files, none shown|many|-|-showonly jpg -display 3 -dotitles"
  "10,000 files shown|many|-|-sort 2 -display 3 -dotitles|40"
  "names of 255 characters|long|dive 1|-sort 2 -display 3 -dotitles"
  "a path over 260 characters, menu by menu|deep|dive 9|-sort 2 -display 3"
  "a path over 260 characters, one menu|deep|-|-onlyonemenu -display 3"
  "a path over 260 characters as the folder|deep\\level 1 $(printf 'd%.0s' $(seq 52))\\level 2 $(printf 'd%.0s' $(seq 52))\\level 3 $(printf 'd%.0s' $(seq 52))\\level 4 $(printf 'd%.0s' $(seq 52))\\level 5 $(printf 'd%.0s' $(seq 52))|-|-sort 2"
  "bytes of 0x80 and above, &, braces, spaces, dots|odd|dive 1|-sort 3 -display 3 -makepretty 3 -dotitles"
  "bytes of 0x80 and above, one menu|odd|-|-onlyonemenu -sort 4"
  "a symbolic-link loop, one menu|loop|-|-onlyonemenu"
  "a symbolic-link loop, menu by menu|loop|dive 6|-sort 2"
  "a folder that cannot be listed, as the folder|locked\\closed|-|-sort 2"
  "a folder that cannot be listed, inside|locked|dive 1|-sort 2 -display 3"
  "a folder that cannot be listed, one menu|locked|-|-onlyonemenu"
  "broken shortcuts with icons|links|-|-display 3 -sort 2"
  "broken shortcuts as sub-menus|links|dive 2|-menusforshortcutstofolders -display 3 -sort 2"
  "broken shortcuts, resolved|links|-|-resolve -display 4"
  "broken shortcuts, one menu, no probes|links|-|-onlyonemenu -menusforshortcutstofolders -noavailablecheck"
  "an empty folder.jpg|title-empty|-|-dotitleimages -dotitles"
  "a truncated folder.jpg|title-cut|-|-dotitleimages"
  "a 20000x20000 folder.jpg|title-huge|-|-dotitleimages -display 3"
  "a 20000x20000 first picture|thumbs|-|-dotitleimages usefirst -imagereductionx 0"
  "broken thumbnails|thumbs|hover_rows 4|-dothumbnailsontooltip -sort 2"
  "broken thumbnails at their own size|thumbs|hover_rows 4|-dothumbnailsontooltipsizex 0 -dothumbnailsontooltipsizey 0 -sort 2"
  "an options file of 5 MB|big-ini|-|-useinifile"
  "an options file of quotes|quotes-ini|-|-useinifile"
)
# TRM_HOSTILE_ONLY=REGEX runs only the cases whose names match.
for entry in "${cases[@]}"; do
  IFS='|' read -r name folder action options limit <<<"$entry"
  [[ "$name" =~ ${TRM_HOSTILE_ONLY:-.} ]] || continue
  # shellcheck disable=SC2086
  check "$name" "$folder" "$action" "${limit:-5}" $options
done
echo PASS
