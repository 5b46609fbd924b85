#!/usr/bin/env bash
# Time from process start to the menu window on screen, each against a
# yardstick measured in the same run, interleaved:
# - folders of 100, 1,000 and 10,000 files (-display 0 -sort 2) against a
#   plain-menu program, and the launcher's peak working set at 10,000; the
#   1,000 also with -display 3 (against the plain program and against it
#   fetching one shell icon), the 10,000 with -display 3 -dotitles;
# - a typical folder (100 files of 10 extensions, 5 sub-folders) with
#   -display 3 -dotitles against the plain-menu program;
# - 1,000 files of 20 extensions, and 200 shortcuts to files, with -display 3
#   against the same folder with -display 0.
# - given TRM_BENCH_BEFORE (a trellimond.exe built from an earlier commit),
#   the time until the typical folder's menu has every icon painted (its
#   last change on screen), and 10,000 files with -display 3 until their
#   icons are painted with the peak working set then, each against that
#   launcher.
# Prints `name: value` lines. Usage: TRM_WINE_ARCH=ARCH menu_ready.sh CROSS-BUILD-DIR [STAGES-EXE]
# Given a launcher built with TRM_STAGE_CLOCK, it prints instead how long
# each stage of the same runs took (`stages-RUN-STAGE-ms`, medians).
# Given TRM_BENCH_PAIR, another build of the launcher, it prints instead
# the launcher against that build, alternated, on the 1,000 files
# (-display 0) and the typical folder, each at 96 and at 144 DPI
# (`pair-DPI-files-1000-ms`, `-baseline-ms` for the other build, `-ratio`).
# TRM_BENCH_RUNS sets the runs per figure (7); TRM_BENCH_ONLY, a regular
# expression, keeps only the figures whose names match it; TRM_BENCH_DPI
# (e.g. 144) measures at that display scaling (the prefix's LogPixels).
set -euo pipefail
cross=$1
stage_exe=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/wine-env.sh"
trm_wine_use "${TRM_WINE_ARCH:?}"
# The tree's own test display, so that benchmarks never share one with tests of another tree.
display=$(sed -n 's/^TRM_TEST_DISPLAY:STRING=//p' "$cross/CMakeCache.txt")
export WINEPREFIX="$cross/wineprefix" DISPLAY=${display:-:97} TRM_BUILD_DIR="$cross" WINEDEBUG=-all
runs=${TRM_BENCH_RUNS:-7}
only=${TRM_BENCH_ONLY:-.}

bash "$here/../scripts/wine-session.sh" start >/dev/null
set_dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap 'set_dpi 96; bash "$here/../scripts/wine-session.sh" stop >/dev/null 2>&1 || true' EXIT
set_dpi "${TRM_BENCH_DPI:-96}"
[ "${TRM_BENCH_DPI:-96}" = 96 ] || echo "bench-dpi: $TRM_BENCH_DPI"
xdotool mousemove 500 380

bench="$WINEPREFIX/drive_c/bench"
mkdir -p "$bench"
cp "$cross/trellimond.exe" "$cross/plain_menu_baseline.exe" "$cross/menu_timer.exe" "$bench/"
launcher='C:\bench\trellimond.exe'
plain='C:\bench\plain_menu_baseline.exe'
before=""
if [ -n "${TRM_BENCH_BEFORE:-}" ]; then
  cp "$TRM_BENCH_BEFORE" "$bench/trellimond-before.exe"
  before='C:\bench\trellimond-before.exe'
fi
settle=""  # -settled: the timer waits for the menu's last change

# fixture NAME: true when C:\bench\NAME is already made; else starts it afresh.
fixture() {
  local folder="$bench/$1"
  [ -f "$folder/.complete" ] && return 1
  rm -rf "$folder"
  mkdir -p "$folder"
}

# A folder of N files whose names do not come in sorted order.
make_files() {
  fixture "files-$1" || return 0
  (cd "$bench/files-$1" && for ((i = 0; i < $1; i++)); do : >"item $(((i * 7919) % $1)) of the list.txt"; done)
  touch "$bench/files-$1/.complete"
}

# COUNT files spread over the first EXTENSIONS of a list of common ones, and SUBFOLDERS folders.
make_mixed() {
  local name=$1 count=$2 extensions=$3 subfolders=$4
  fixture "$name" || return 0
  local all=(txt doc pdf jpg png mp3 wav zip html xml csv ini log rtf gif avi mp4 xls ppt odt)
  for ((i = 0; i < count; i++)); do : >"$bench/$name/file $i.${all[i % extensions]}"; done
  for ((i = 0; i < subfolders; i++)); do mkdir "$bench/$name/folder $i"; done
  touch "$bench/$name/.complete"
}

# 200 shortcuts to 20 files of 20 extensions in another folder.
make_shortcuts() {
  fixture lnk-200 || return 0
  make_mixed lnk-targets 20 20 0
  local i copy
  for ((i = 0; i < 20; i++)); do
    wine 'C:\trellimond-tests\make_shortcut.exe' "C:\\bench\\lnk-200\\link $i.lnk" \
      "$(ls "$bench/lnk-targets" | grep "^file $i\\." | sed 's/^/C:\\bench\\lnk-targets\\/')" >/dev/null 2>&1
    for ((copy = 1; copy < 10; copy++)); do cp "$bench/lnk-200/link $i.lnk" "$bench/lnk-200/link $i-$copy.lnk"; done
  done
  touch "$bench/lnk-200/.complete"
}

# measure PROGRAM ARGS...: prints "milliseconds peak-kib" of one run.
measure() {
  local out="$bench/timer.txt"
  rm -f "$out"
  wine 'C:\bench\menu_timer.exe' $settle 'C:\bench\timer.txt' "$@" >/dev/null 2>&1 || true
  cat "$out" 2>/dev/null || echo "nan 0"
}

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR + 1) / 2)]}'; }

# compare NAME COMMAND... -- YARDSTICK...: both warmed once, then run in turn;
# prints the medians as NAME-ms and NAME-baseline-ms and their ratio.
compare() {
  local name=$1 measured=() yardstick=()
  shift
  [[ "$name" =~ $only ]] || return 1
  while [ "$1" != -- ]; do measured+=("$1"); shift; done
  shift
  yardstick=("$@")
  measure "${measured[@]}" >/dev/null
  measure "${yardstick[@]}" >/dev/null
  : >"$bench/measured.txt"
  : >"$bench/yardstick.txt"
  for ((run = 0; run < runs; run++)); do
    measure "${measured[@]}" >>"$bench/measured.txt"
    measure "${yardstick[@]}" >>"$bench/yardstick.txt"
  done
  local a b
  a=$(awk '{print $1}' "$bench/measured.txt" | median)
  b=$(awk '{print $1}' "$bench/yardstick.txt" | median)
  echo "$name-ms: $a"
  echo "$name-baseline-ms: $b"
  echo "$name-ratio: $(awk -v a="$a" -v b="$b" 'BEGIN {printf "%.2f", a / b}')"
}

# peak NAME: the peak working sets of the last comparison.
peak() {
  echo "$1-kib: $(awk '{print $2}' "$bench/measured.txt" | median)"
  echo "$1-baseline-kib: $(awk '{print $2}' "$bench/yardstick.txt" | median)"
}

# stages NAME ARGS...: the stage-marking launcher on ARGS; per stage the
# median milliseconds, and the time to the menu on screen.
stages() {
  local name=$1 log="$bench/stages.txt" all="$bench/stages-all.txt"
  shift
  [[ "$name" =~ $only ]] || return 0
  cp "$stage_exe" "$bench/trellimond-stages.exe"
  : >"$all"
  measure 'C:\bench\trellimond-stages.exe' "$@" >/dev/null
  for ((run = 0; run < runs; run++)); do
    rm -f "$log"
    echo "$(measure 'C:\bench\trellimond-stages.exe' "$@" | awk '{print $1}') to-menu" >>"$all"
    tr -d '\r' <"$log" >>"$all" 2>/dev/null || true
  done
  local stage
  for stage in $(awk '{print $2}' "$all" | awk '!seen[$0]++'); do
    echo "stages-$name-$stage-ms: $(awk -v s="$stage" '$2 == s {print $1}' "$all" | median)"
    [ "$stage" = to-menu ] ||
      echo "stages-$name-$stage-private-kib: $(awk -v s="$stage" '$2 == s {print $3}' "$all" | median)"
  done
}

if [ -n "$stage_exe" ]; then
  export TRM_STAGE_LOG='C:\bench\stages.txt'
  make_mixed typical 100 10 5
  make_shortcuts
  stages typical-display0 'C:\bench\typical' -display 0 -sort 2
  stages typical-display3 'C:\bench\typical' -display 3 -dotitles -sort 2
  make_files 1000
  stages files-1000-display0 'C:\bench\files-1000' -display 0 -sort 2
  stages files-1000-display3 'C:\bench\files-1000' -display 3 -sort 2
  make_files 10000
  stages files-10000-display0 'C:\bench\files-10000' -display 0 -sort 2
  make_mixed icons-1000 1000 20 0
  stages icons-1000-display0 'C:\bench\icons-1000' -display 0 -sort 2
  stages icons-1000-display3 'C:\bench\icons-1000' -display 3 -sort 2
  stages lnk-200-display0 'C:\bench\lnk-200' -display 0 -sort 2
  stages lnk-200-display3 'C:\bench\lnk-200' -display 3 -sort 2
  exit 0
fi

if [ -n "${TRM_BENCH_PAIR:-}" ]; then
  cp "$TRM_BENCH_PAIR" "$bench/trellimond-before.exe"
  before='C:\bench\trellimond-before.exe'
  make_files 1000
  make_mixed typical 100 10 5
  for dpi in 96 144; do
    set_dpi "$dpi"
    compare "pair-$dpi-files-1000" "$launcher" 'C:\bench\files-1000' -display 0 -sort 2 -- \
      "$before" 'C:\bench\files-1000' -display 0 -sort 2 || true
    compare "pair-$dpi-typical" "$launcher" 'C:\bench\typical' -display 3 -dotitles -sort 2 -- \
      "$before" 'C:\bench\typical' -display 3 -dotitles -sort 2 || true
  done
  exit 0
fi

for n in 100 1000 10000; do
  make_files "$n"
  folder="C:\\bench\\files-$n"
  if compare "menu-ready-$n" "$launcher" "$folder" -display 0 -sort 2 -- "$plain" "$folder" && [ "$n" -eq 10000 ]; then
    peak menu-peak-memory-10000
  fi
done

# 1,000 files with icons: every item measured with its icon; also against
# the plain program that fetches one shell icon, which pays the platform's
# icon set-up as the launcher does.
compare menu-ready-1000-display3 "$launcher" 'C:\bench\files-1000' -display 3 -sort 2 -- "$plain" 'C:\bench\files-1000' ||
  true
compare menu-ready-1000-display3-icon-yardstick "$launcher" 'C:\bench\files-1000' -display 3 -sort 2 -- \
  "$plain" 'C:\bench\files-1000' -icon || true

# The same 10,000 files with icons and titles: every menu window is
# subclassed and paired, and every item measured with its icon.
compare menu-ready-10000-display3-dotitles "$launcher" 'C:\bench\files-10000' -display 3 -dotitles -sort 2 -- \
  "$plain" 'C:\bench\files-10000' || true

make_mixed typical 100 10 5
compare menu-ready-typical-display3 "$launcher" 'C:\bench\typical' -display 3 -dotitles -sort 2 -- "$plain" 'C:\bench\typical' &&
  peak menu-peak-memory-typical

make_mixed icons-1000 1000 20 0
compare icons-1000 "$launcher" 'C:\bench\icons-1000' -display 3 -sort 2 -- \
  "$launcher" 'C:\bench\icons-1000' -display 0 -sort 2 || true

make_shortcuts
compare icons-lnk-200 "$launcher" 'C:\bench\lnk-200' -display 3 -sort 2 -- \
  "$launcher" 'C:\bench\lnk-200' -display 0 -sort 2 || true

# Icons painted: against the launcher of the earlier commit, both watched
# until their menus stop changing.
if [ -n "$before" ]; then
  settle=-settled
  compare icons-complete-typical "$launcher" 'C:\bench\typical' -display 3 -dotitles -sort 2 -- \
    "$before" 'C:\bench\typical' -display 3 -dotitles -sort 2 || true
  make_files 10000
  compare icons-complete-10000 "$launcher" 'C:\bench\files-10000' -display 3 -sort 2 -- \
    "$before" 'C:\bench\files-10000' -display 3 -sort 2 && peak menu-peak-memory-10000-display3
  settle=""
fi
