# Names beyond ASCII and beyond the legacy code page: a folder of them shows
# each one and picking it opens exactly that file; options files written in
# Windows-1252 and in UTF-8 reach folders named beyond ASCII.
source "$(dirname "$0")/lib.sh"
e2e_init unicode_names

mkdir -p "$FIXTURE/names" "$FIXTURE/Música" "$FIXTURE/東京"
for name in 東京 café Ωmega; do echo "$name" >"$FIXTURE/names/$name.trtest"; done
echo m >"$FIXTURE/Música/inside.trtest"
echo t >"$FIXTURE/東京/inside.trtest"
# By byte value: café, Ωmega, 東京.
at=(-sort 3 -appearatx 100 -appearaty 100 -menuxalignment left -menuyalignment top)

# pick "KEYS" ARGS...: starts the program with ARGS, types KEYS and Return
# in its menu and waits for what the shell opened; sets PICKED to it.
pick() {
  local typed=$1 count
  shift
  count=$(recorded_count)
  start_trellimond "$@" "${at[@]}"
  wait_for_menu
  # shellcheck disable=SC2086
  keys $typed Return
  wait_for_recorded $((count + 1)) 30
  wait_for_exit 30
  PICKED=$(recorded_lines | sed -n "$((count + 1))p")
}

park_pointer
names="$FIXTURE_WIN\\names"
pick Down "$names"
[ "$PICKED" = "$names\\café.trtest" ] || fail "first item: $PICKED"
pick "Down Down" "$names"
[ "$PICKED" = "$names\\Ωmega.trtest" ] || fail "second item: $PICKED"
pick Up "$names"
[ "$PICKED" = "$names\\東京.trtest" ] || fail "last item: $PICKED"
# Three items: the fourth step down comes round to the first again.
pick "Down Down Down Down" "$names"
[ "$PICKED" = "$names\\café.trtest" ] || fail "more than three items: $PICKED"

# An options file written in Windows-1252 ("ú" is the byte 0xFA).
printf -- '-startdirectory "%s\\M\xfasica"\r\n' "$FIXTURE_WIN" >"$FIXTURE/legacy.ini"
pick Down "$FIXTURE_WIN" -useinifile legacy.ini
[ "$PICKED" = "$FIXTURE_WIN\\Música\\inside.trtest" ] || fail "Windows-1252 options file: $PICKED"

# One in UTF-8 with a byte-order mark, under a name beyond ASCII too.
printf -- '\xef\xbb\xbf-startdirectory "%s\\東京"\n' "$FIXTURE_WIN" >"$FIXTURE/ópciones.ini"
pick Down "$FIXTURE_WIN" -useinifile ópciones.ini
[ "$PICKED" = "$FIXTURE_WIN\\東京\\inside.trtest" ] || fail "UTF-8 options file: $PICKED"
echo PASS
