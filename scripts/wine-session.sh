#!/usr/bin/env bash
# Starts or stops what the Wine test tiers need: Xvfb on $DISPLAY, the test
# prefix $WINEPREFIX (made once: virtual desktop, the recorder registered as
# the open command of .trtest files and of folders) and one idle process
# that keeps the prefix's desktop alive for the whole run.
#   wine-session.sh start|stop
# Needs WINEPREFIX, DISPLAY, TRM_BUILD_DIR (the cross build tree) and
# TRM_WINE_ARCH (its architecture: i686 or x86_64). Its state (process ids,
# logs) goes to TRM_WINE_SESSION_DIR, by default TRM_BUILD_DIR/wine-session,
# so that another session (scripts/soak) can run beside the tests'.
set -euo pipefail
: "${WINEPREFIX:?}" "${DISPLAY:?}" "${TRM_BUILD_DIR:?}" "${TRM_WINE_ARCH:?}"
export WINEPREFIX DISPLAY WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
source "$here/../tests/support/wait.sh"
trm_wine_use "$TRM_WINE_ARCH"
state="${TRM_WINE_SESSION_DIR:-$TRM_BUILD_DIR/wine-session}"
mkdir -p "$state"

display_up() { xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; }
pid_alive() { [ -f "$1" ] && kill -0 "$(cat "$1")" 2>/dev/null; }

# step_failed STEP PID LOG: names a step that failed, the status of its
# process if it has ended, and the last lines of its log.
step_failed() {
  local status=running
  if process_ended "$2"; then
    status=0
    wait "$2" 2>/dev/null || status=$?
  fi
  echo "$1 failed (its process: $status); the last lines of $3:" >&2
  tail -n 8 "$3" 2>/dev/null | sed 's/^/  /' >&2
}

# An X server that was stopped may leave its lock behind for a moment, and
# another may still be letting its display go: one more try, said aloud.
start_display() {
  display_up && return 0
  local try
  for try in 1 2; do
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    wait_until 10 display_up && return 0
    step_failed "starting Xvfb on $DISPLAY (try $try of 2)" "$(cat "$state/xvfb.pid")" "$state/xvfb.log"
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    [ "$try" = 2 ] || echo "retrying: Xvfb once more" >&2
  done
  return 1
}

make_prefix() {
  if [ ! -f "$WINEPREFIX/.trm-ready" ]; then
    local status=0
    wineboot -i >"$state/wineboot.log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
      echo "wineboot -i ended with status $status; its last lines:" >&2
      tail -n 8 "$state/wineboot.log" | sed 's/^/  /' >&2
      return 1
    fi
    wine regedit /S "$(winepath -w "$here/test-prefix.reg")" >>"$state/wineboot.log" 2>&1
    wineserver -w
    touch "$WINEPREFIX/.trm-ready"
  fi
  # The tools may have been rebuilt since the prefix was made.
  local tools="$WINEPREFIX/drive_c/trellimond-tests"
  mkdir -p "$tools"
  for tool in recorder idle_keeper dialog_probe make_shortcut key_probe clipboard_files read_shortcut drop_target; do
    cp "$TRM_BUILD_DIR/$tool.exe" "$tools/"
  done
}

start_keeper() {
  pid_alive "$state/keeper.pid" && return 0
  wine 'C:\trellimond-tests\idle_keeper.exe' >/dev/null 2>"$state/keeper.log" &
  echo $! >"$state/keeper.pid"
  # The virtual desktop window appears once the prefix is up.
  wait_until 30 desktop_shown && return 0
  step_failed "waiting for the Wine desktop" "$(cat "$state/keeper.pid")" "$state/keeper.log"
  return 1
}
desktop_shown() { xdotool search --name 'Wine desktop' >/dev/null 2>&1; }

case "${1:-}" in
  start)
    error=$(trm_wine_start_error "$TRM_WINE_ARCH")
    if [ -n "$error" ]; then
      echo "cannot run $TRM_WINE_ARCH Windows programs here: $error" >&2
      exit 1
    fi
    start_display
    make_prefix
    start_keeper
    echo "wine session ready: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
    ;;
  stop)
    # End only what we started, by id; Wine's own processes then exit by themselves.
    if pid_alive "$state/keeper.pid"; then kill "$(cat "$state/keeper.pid")" 2>/dev/null || true; fi
    rm -f "$state/keeper.pid"
    timeout 30 wineserver -w || true
    if pid_alive "$state/xvfb.pid"; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true; fi
    rm -f "$state/xvfb.pid"
    ;;
  *)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
