# Waiting by polling, for the end-to-end cases and the Wine session: every
# wait is for a condition, checked until it holds or a generous limit
# passes; steps of Wine and X that are known to fail now and then are
# retried once, aloud. Sourced, never run.

# wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s.
wait_until() {
  local limit=$(($1 * 10))
  shift
  local i
  for ((i = 0; i < limit; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

process_ended() { ! kill -0 "$1" 2>/dev/null; }

# screen_hash: a hash of the screen's pixels, as settled_screen takes it.
screen_hash() {
  import -silent -window root png:- 2>/dev/null | identify -format '%#' -
}

# settled_screen FILE [SECONDS [BEFORE]]: waits until two pictures of the
# screen taken in a row are the same, and, given BEFORE (a screen_hash),
# differ from it; saves the last one as FILE.
settled_screen() {
  local out=$1 limit=${2:-15} before=${3:-} last="" now shots=0 changes=0
  local started=$SECONDS
  while [ $((SECONDS - started)) -lt "$limit" ]; do
    import -silent -window root "$out.tmp.png" 2>/dev/null || { sleep 0.1; continue; }
    now=$(identify -format '%#' "$out.tmp.png")
    shots=$((shots + 1))
    if [ "$now" = "$last" ] && [ "$now" != "$before" ]; then
      mv "$out.tmp.png" "$out"
      return 0
    fi
    [ "$now" = "$last" ] || changes=$((changes + 1))
    last=$now
  done
  rm -f "$out.tmp.png"
  if [ "$last" = "$before" ]; then
    echo "the screen did not change within $limit s ($shots pictures)" >&2
  else
    echo "the screen did not settle within $limit s ($changes changes in $shots pictures)" >&2
  fi
  return 1
}

# transient_output TEXT: whether a failed step's output names a fault known
# to pass on its own (the X server busy accepting clients).
transient_output() {
  grep -qE "Can't open display|cannot open display|Connection refused|Resource temporarily unavailable" <<<"$1"
}

# retry_transient STEP COMMAND...: runs COMMAND; when it fails with a
# transient fault, says so and runs it once more. Prints COMMAND's output;
# returns its status.
retry_transient() {
  local step=$1 out status=0
  shift
  out=$("$@" 2>&1) || status=$?
  if [ "$status" -ne 0 ] && transient_output "$out"; then
    echo "retrying '$step' once: it failed with status $status: $(tail -n 2 <<<"$out" | tr '\n' ' ')" >&2
    status=0
    out=$("$@" 2>&1) || status=$?
  fi
  [ -z "$out" ] || printf '%s\n' "$out"
  return "$status"
}
