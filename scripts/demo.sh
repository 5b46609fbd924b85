#!/usr/bin/env bash
# Installs what is missing, builds trellimond.exe and shows it on a sample
# folder in a Wine prefix of its own (build/demo/ARCH). The 32-bit program is
# shown where 32-bit programs can run, the 64-bit one otherwise. On a desktop
# the menu appears at the pointer; without a display it runs on a virtual
# one, saves a screenshot of the menu and prints the screenshot's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
source "$root/scripts/wine-env.sh"
trm_wine_pick "show the demo" || exit 1
arch=$TRM_WINE_PICKED tree=$TRM_WINE_PICKED_TREE
echo "showing the $arch build (build/$tree/trellimond.exe)"
bash "$root/scripts/build.sh" "$tree"

demo="$root/build/demo/$arch"
export WINEPREFIX="$demo/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml="
trm_wine_use "$arch"
mkdir -p "$demo"

headless=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  headless=1
  export DISPLAY=:93
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$demo/xvfb.log" 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/.trm-ready" ]; then
  echo "preparing the demo Wine prefix (once)..."
  if ! wineboot -i >"$demo/wineboot.log" 2>&1; then
    tail -n 5 "$demo/wineboot.log" >&2
    echo "cannot show the demo: Wine could not prepare its prefix $WINEPREFIX (log: $demo/wineboot.log)" >&2
    exit 1
  fi
  wineserver -w
  touch "$WINEPREFIX/.trm-ready"
fi

# The sample folder: files, sub-folders two levels deep, an empty folder.
sample="$WINEPREFIX/drive_c/Sample"
rm -rf "$sample"
mkdir -p "$sample/Documents/Letters" "$sample/Music" "$sample/Empty"
for name in "Read me.txt" "Budget {2026} final.txt" "notes.ini" "Todo.txt"; do echo "$name" >"$sample/$name"; done
for name in "Report.txt" "Plan.txt"; do echo "$name" >"$sample/Documents/$name"; done
echo "Dear..." >"$sample/Documents/Letters/To Anna.txt"
for name in "Song one.txt" "Song two.txt"; do echo "$name" >"$sample/Music/$name"; done

args=('C:\Sample' -dotitles -display 3 -sort 2 -addexplore bottom)
if [ "$headless" -eq 0 ]; then
  echo "showing C:\\Sample at the pointer: pick an item or press Escape"
  exec wine "$root/build/$tree/trellimond.exe" "${args[@]}"
fi

xdotool mousemove 400 300
wine "$root/build/$tree/trellimond.exe" "${args[@]}" >/dev/null 2>&1 &
pid=$!
menu=""
for _ in $(seq 300); do
  for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [ -z "$(xdotool getwindowname "$window" 2>/dev/null)" ] && menu=$window
  done
  [ -n "$menu" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
sleep 0.5
shot="$demo/menu.png"
import -silent -window root "$shot"
if [ -n "$menu" ]; then
  xdotool key Escape
else
  echo "no menu was shown"
fi
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill "$pid" 2>/dev/null || true
echo "screenshot: $shot"
