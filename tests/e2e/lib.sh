# Shared steps of the end-to-end cases: a fresh fixture folder in the test
# prefix, starting the real trellimond.exe, and waiting for conditions by
# polling with generous limits (tests/support/wait.sh). Sourced by each
# *_test.sh. A step that fails unexpectedly is named with its status and
# Wine's last lines.
set -euo pipefail
: "${WINEPREFIX:?}" "${DISPLAY:?}" "${TRM_BUILD_DIR:?}" "${TRM_WINE_ARCH:?}" "${TRM_SOURCE_DIR:?}"
export WINEDEBUG=-all
source "$TRM_SOURCE_DIR/scripts/wine-env.sh"
source "$TRM_SOURCE_DIR/tests/support/wait.sh"
trm_wine_use "$TRM_WINE_ARCH"
TRELLIMOND="$TRM_BUILD_DIR/trellimond.exe"
TOOLS_WIN='C:\trellimond-tests'
STARTED_PIDS=()

# e2e_init NAME: fresh fixture folder C:\e2e\NAME; sets FIXTURE (Unix),
# FIXTURE_WIN (Windows) and the recorder's log, read with recorded_lines.
e2e_init() {
  FIXTURE="$WINEPREFIX/drive_c/e2e/$1"
  FIXTURE_WIN="C:\\e2e\\$1"
  rm -rf "$FIXTURE"
  mkdir -p "$FIXTURE"
  RECORDER_LOG="$FIXTURE/recorder.log"
  export TRM_RECORDER_LOG="$FIXTURE_WIN\\recorder.log"
  # What Wine says goes beside the fixture, for the failure messages.
  WINE_LOG="$FIXTURE.wine.log"
  : >"$WINE_LOG"
  trap e2e_cleanup EXIT
  trap 'step_failed $? "$BASH_COMMAND" "$LINENO"' ERR
}

# wine_tail: Wine's last lines in this case, if it said anything.
wine_tail() {
  [ -s "${WINE_LOG:-}" ] || return 0
  echo "Wine's last lines:" >&2
  tail -n 8 "$WINE_LOG" | tr -d '\r' | sed 's/^/  /' >&2
}

step_failed() {
  trap - ERR
  REPORTED=1
  echo "FAIL: the step '$2' (line $3) ended with status $1" >&2
  wine_tail
  exit "$1"
}

# undo_on_exit COMMAND: run when the case ends, however it ends.
undo_on_exit() { UNDO_ON_EXIT="$1"; }

e2e_cleanup() {
  local status=$? command=$BASH_COMMAND pid
  if [ "$status" -ne 0 ] && [ -z "${REPORTED:-}" ]; then
    echo "FAIL: the step '$command' ended with status $status" >&2
    wine_tail
  fi
  [ -z "${UNDO_ON_EXIT:-}" ] || eval "$UNDO_ON_EXIT" || true
  for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  xdotool keyup shift 2>/dev/null || true
}

fail() {
  trap - ERR
  REPORTED=1
  echo "FAIL: $*" >&2
  wine_tail
  exit 1
}

# xdo ARGS...: an xdotool action; a display that cannot be opened for a
# moment is tried once more.
xdo() {
  local out status=0
  out=$(retry_transient "xdotool $*" xdotool "$@") || status=$?
  [ "$status" -eq 0 ] || fail "xdotool $* ended with status $status: $out"
}

# start_trellimond ARGS...: starts the program in the background; sets PID
# and START_NS.
start_trellimond() {
  START_NS=$(date +%s%N)
  wine "$TRELLIMOND" "$@" >/dev/null 2>>"$WINE_LOG" &
  PID=$!
  STARTED_PIDS+=("$PID")
}

# wait_for_exit SECONDS: waits for $PID to end; sets ELAPSED_MS since start.
wait_for_exit() {
  wait_until "$1" process_ended "$PID" || fail "trellimond.exe still running after $1 s"
  ELAPSED_MS=$((($(date +%s%N) - START_NS) / 1000000))
}

recorded_lines() {
  if [ -f "$RECORDER_LOG" ]; then tr -d '\r' <"$RECORDER_LOG"; fi
}
recorded_count() { recorded_lines | grep -c . || true; }

# recorders_done: no recorder of this prefix is running, so the log holds
# every open the shell has started.
recorders_done() {
  local pid
  for pid in $(pgrep -f 'recorder\.exe' 2>/dev/null); do
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 1
  done
  return 0
}

# final_recorded_count: the opens logged once every recorder started has ended.
final_recorded_count() {
  wait_until 30 recorders_done || fail "a recorder was still running after 30 s"
  recorded_count
}
has_recorded() { [ "$(recorded_count)" -ge "$1" ]; }

# wait_for_recorded N SECONDS: at least N lines logged by the recorder.
wait_for_recorded() {
  wait_until "$2" has_recorded "$1" || fail "expected $1 recorded open(s), got: $(recorded_lines)"
}

window_named() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# wait_for_window CAPTION SECONDS
wait_for_window() {
  wait_until "$2" window_named "$1" || fail "no window captioned '$1' appeared"
}

# dialog_text CAPTION: the texts of the dialog's controls, one per line.
dialog_text() {
  local out="$FIXTURE/dialog-$RANDOM.txt"
  local status=0
  wine "$TOOLS_WIN\\dialog_probe.exe" "$1" "$(winepath -w "$out")" 20 >/dev/null 2>>"$WINE_LOG" || status=$?
  [ "$status" -eq 0 ] || fail "could not read the dialog '$1': dialog_probe.exe ended with status $status"
  tr -d '\r' <"$out"
}

# answer_dialog CAPTION: presses Return on the dialog, as a user would.
answer_dialog() {
  local window
  window=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
  # Without a window manager nothing gives the box the keyboard: Wine sends
  # keys to the X window with the input focus (or under the pointer).
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdo key Return
  wait_until 10 bash -c "! xdotool search --onlyvisible --name '^$1\$' >/dev/null 2>&1" ||
    fail "the dialog '$1' did not close"
}

# menu_window: id of a visible menu window (class #32768) of $PID, if any.
menu_window() {
  local window
  for window in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
    if [ -z "$(xdotool getwindowname "$window" 2>/dev/null)" ]; then
      echo "$window"
      return 0
    fi
  done
  return 1
}

menu_or_exit() { menu_window >/dev/null || process_ended "$PID"; }

# end_menu_run: waits for $PID to show its menu or end; a menu is
# dismissed with Escape; then waits for the exit.
end_menu_run() {
  wait_until 30 menu_or_exit || fail "neither a menu nor an exit"
  if menu_window >/dev/null; then xdo key Escape; fi
  wait_for_exit 30
}

have_menu() { menu_window >/dev/null; }

# program_state: whether $PID still runs, with the names of its X windows
# (a message box says why there is no menu), or how it ended.
program_state() {
  local window names=""
  if kill -0 "$PID" 2>/dev/null; then
    for window in $(xdotool search --pid "$PID" 2>/dev/null); do
      names+="\"$(xdotool getwindowname "$window" 2>/dev/null)\" "
    done
    echo "the program still runs; its X windows: ${names:-none}"
  else
    local status=0
    wait "$PID" 2>/dev/null || status=$?
    echo "the program had ended with status $status"
  fi
}

# wait_for_menu: waits for $PID's menu window; sets MENU to its id and
# gives it the keyboard. Wine delivers keys to the X window that has the
# input focus (or is under the pointer), and the program's only other
# window is never shown, so without this keys reach the menu only while the
# pointer rests on it.
wait_for_menu() {
  wait_until 30 have_menu || fail "no menu window appeared: $(program_state)"
  MENU=$(menu_window)
  xdotool windowfocus "$MENU" 2>/dev/null || true
}

# menu_count: how many menu windows $PID shows now.
menu_count() {
  local window count=0
  for window in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
    [ -z "$(xdotool getwindowname "$window" 2>/dev/null)" ] && count=$((count + 1))
  done
  echo "$count"
}
has_menus() { [ "$(menu_count)" -ge "$1" ]; }

# wait_for_menus N: waits until $PID shows N menu windows (sub-menus open).
wait_for_menus() {
  wait_until 30 has_menus "$1" || fail "expected $1 open menu windows, saw $(menu_count)"
}

# window_geometry WINDOW: "X Y WIDTH HEIGHT" on the screen.
window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                           /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# keys KEY...: typed in order. Wine queues them for the menu loop, which
# takes each in turn (a sub-menu opened by one gets the next), so nothing
# needs to wait between them.
keys() {
  xdo key "$@"
}

# settled_menu_shot FILE [BEFORE]: the screen once it has stopped changing
# (and, given BEFORE, a screen_hash, shows something else), in FILE.
settled_menu_shot() {
  settled_screen "$1" 15 "${2:-}" || fail "the screen kept changing (or never changed) for 15 s"
}

# hold_shift: presses Shift and waits until Wine has seen it, so that the
# next program started sees it held.
hold_shift() {
  xdo keydown shift
  local status=0
  wine "$TOOLS_WIN\\key_probe.exe" 16 20000 >/dev/null 2>>"$WINE_LOG" || status=$?
  [ "$status" -eq 0 ] || fail "Wine never saw Shift held (key_probe.exe ended with status $status)"
}

# point_to X Y: the pointer there, once the screen shows it (the item
# under it lit) and has settled.
point_to() {
  local before
  before=$(screen_hash)
  xdo mousemove "$1" "$2"
  settled_menu_shot "$FIXTURE.pointed.png" "$before"
}

# A place for the pointer away from where the cases put their menus.
park_pointer() { xdo mousemove 1000 740; }

# expect_information -E PATTERN | -F TEXT: the launcher's "Information" box
# says a line matching PATTERN (or exactly TEXT); it is answered and the
# program must end.
expect_information() {
  wait_for_window Information 30
  local text
  text=$(dialog_text Information)
  echo "$text" | grep -qx "$1" -- "$2" || fail "Information box says: $text"
  answer_dialog Information
  wait_for_exit 30
}

# expect_launcher_message PATTERN: the shell failed to open an item. Wine's
# own "Error" box comes first; then the launcher's box, as above.
expect_launcher_message() {
  wait_for_window Error 30
  answer_dialog Error
  expect_information -E "$1"
}
