#!/usr/bin/env bash
# Time from process start to the menu window on screen, for folders of 100,
# 1,000 and 10,000 files (-display 0 -sort 2), against a plain-menu baseline
# measured in the same run; and the launcher's peak working set at 10,000.
# Prints `name: value` lines. Usage: TRM_WINE_ARCH=ARCH menu_ready.sh CROSS-BUILD-DIR
set -euo pipefail
cross=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/wine-env.sh"
trm_wine_use "${TRM_WINE_ARCH:?}"
# The tree's own test display, so that benchmarks never share one with tests of another tree.
display=$(sed -n 's/^TRM_TEST_DISPLAY:STRING=//p' "$cross/CMakeCache.txt")
export WINEPREFIX="$cross/wineprefix" DISPLAY=${display:-:97} TRM_BUILD_DIR="$cross" WINEDEBUG=-all
runs=${TRM_BENCH_RUNS:-7}

bash "$here/../scripts/wine-session.sh" start >/dev/null
trap 'bash "$here/../scripts/wine-session.sh" stop >/dev/null 2>&1 || true' EXIT
xdotool mousemove 500 380

bench="$WINEPREFIX/drive_c/bench"
mkdir -p "$bench"
cp "$cross/trellimond.exe" "$cross/plain_menu_baseline.exe" "$cross/menu_timer.exe" "$bench/"

# A folder of N files whose names do not come in sorted order.
make_folder() {
  local folder="$bench/files-$1"
  [ -f "$folder/.complete" ] && return 0
  rm -rf "$folder"
  mkdir -p "$folder"
  (cd "$folder" && for ((i = 0; i < $1; i++)); do : >"item $(((i * 7919) % $1)) of the list.txt"; done)
  touch "$folder/.complete"
}

# measure PROGRAM ARGS...: prints "milliseconds peak-kib" of one run.
measure() {
  local out="$bench/timer.txt"
  rm -f "$out"
  wine 'C:\bench\menu_timer.exe' 'C:\bench\timer.txt' "$@" >/dev/null 2>&1 || true
  cat "$out" 2>/dev/null || echo "nan 0"
}

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR + 1) / 2)]}'; }

for n in 100 1000 10000; do
  make_folder "$n"
  folder="C:\\bench\\files-$n"
  measure 'C:\bench\trellimond.exe' "$folder" -display 0 -sort 2 >/dev/null  # warm the caches
  measure 'C:\bench\plain_menu_baseline.exe' "$folder" >/dev/null
  : >"$bench/launcher.txt"
  : >"$bench/baseline.txt"
  for ((run = 0; run < runs; run++)); do
    measure 'C:\bench\trellimond.exe' "$folder" -display 0 -sort 2 >>"$bench/launcher.txt"
    measure 'C:\bench\plain_menu_baseline.exe' "$folder" >>"$bench/baseline.txt"
  done
  launcher=$(awk '{print $1}' "$bench/launcher.txt" | median)
  baseline=$(awk '{print $1}' "$bench/baseline.txt" | median)
  echo "menu-ready-$n-ms: $launcher"
  echo "menu-ready-$n-baseline-ms: $baseline"
  echo "menu-ready-$n-ratio: $(awk -v a="$launcher" -v b="$baseline" 'BEGIN {printf "%.2f", a / b}')"
  if [ "$n" -eq 10000 ]; then
    echo "menu-peak-memory-10000-kib: $(awk '{print $2}' "$bench/launcher.txt" | median)"
    echo "menu-peak-memory-10000-baseline-kib: $(awk '{print $2}' "$bench/baseline.txt" | median)"
  fi
done
