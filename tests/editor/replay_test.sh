#!/bin/sh
# End-to-end run of "vandor-cli replay": events in, scenario and state out, and its failures.
set -u
cli="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
pruefen() {  # name, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: expected [$2], got [$3]"
    fehler=1
  fi
}

"$cli" new "$tmp/in.vdz" --size 30x20 --terrain 1 --name Probe >/dev/null || { echo "FAIL new"; exit 1; }

# The view starts at cell (0, 0), so logical (577, 577) is cell (0, 0) and (654, 577) cell (1, 0).
# Players 0 and 2 placed there; the right button removes player 0 again; slot 3 stored; the
# menu's save and close buttons.
cat >"$tmp/ev.txt" <<'END'
# choose the players page, then place
release 1255 405 0
key 39            # view one column right
key 37
move 577 577
press 577 577 0
release 577 577 0
release 1410 610 0   # next player
release 1410 610 0
press 654 577 0
press 577 577 1
key 51
tick
tick
tick
release 1310 1130 0
release 500 420 0
release 500 620 0
END
"$cli" replay "$tmp/in.vdz" "$tmp/out.vdz" --events "$tmp/ev.txt" --state >"$tmp/state.txt"
pruefen "exit code" 0 $?
pruefen "save line" "save requested" "$(sed -n 1p "$tmp/state.txt")"
pruefen "close line" "close requested" "$(sed -n 2p "$tmp/state.txt")"
pruefen "starts" "Startpositionen=1,0,2" "$(grep '^Startpositionen=' "$tmp/state.txt")"
pruefen "slots" "Belegt=0,0,0,1,0,0,0,0,0,0" "$(grep '^Belegt=' "$tmp/state.txt")"
pruefen "history" "Verlauf=3/0" "$(grep '^Verlauf=' "$tmp/state.txt")"
pruefen "mode" "Modus=1" "$(grep '^Modus=' "$tmp/state.txt")"
pruefen "player" "SpielerNummer=2" "$(grep '^SpielerNummer=' "$tmp/state.txt")"
pruefen "position" "Position=0,0" "$(grep '^Position=' "$tmp/state.txt")"

# The saved file carries the start position and the input's name.
"$cli" replay "$tmp/out.vdz" "$tmp/out2.vdz" --state >"$tmp/state2.txt"
pruefen "reloaded starts" "Startpositionen=1,0,0" "$(grep '^Startpositionen=' "$tmp/state2.txt")"
"$cli" info "$tmp/out2.vdz" | grep -q Probe
pruefen "name kept" 0 $?

# Painting changes the file; undo brings back the same bytes; UTF-8 message on stdin events.
printf 'key 90\n' | "$cli" replay "$tmp/in.vdz" "$tmp/leer.vdz" --events - >/dev/null
printf 'release 1310 710 0\npress 577 577 0\nrelease 1205 405 0\n' |
  "$cli" replay "$tmp/in.vdz" "$tmp/bunt.vdz" --events - --state >"$tmp/state3.txt"
pruefen "mode message" "Meldung=$(printf 'Gel\303\244nde')" "$(grep '^Meldung=' "$tmp/state3.txt")"

if cmp -s "$tmp/leer.vdz" "$tmp/bunt.vdz"; then echo "FAIL painting did not change the file"; fehler=1; fi
printf 'release 1310 710 0\npress 577 577 0\nkey 90\n' |
  "$cli" replay "$tmp/in.vdz" "$tmp/zurueck.vdz" --events - >/dev/null
cmp -s "$tmp/leer.vdz" "$tmp/zurueck.vdz"
pruefen "undo restores the file" 0 $?

# The history: two presses, both undone, then forward again with Ctrl+Y and Ctrl+Shift+Z; a
# stroke held at the end of the list counts as one step.
printf 'release 1310 710 0\npress 577 577 0\n' |
  "$cli" replay "$tmp/in.vdz" "$tmp/eins.vdz" --events - >/dev/null
printf 'release 1310 710 0\npress 577 577 0\npress 654 577 0\nkey 90\nkey 90 1\nkey 89 4\n' |
  "$cli" replay "$tmp/in.vdz" "$tmp/vor.vdz" --events - --state >"$tmp/state5.txt"
pruefen "one step back" "Verlauf=1/1" "$(grep '^Verlauf=' "$tmp/state5.txt")"
pruefen "redo message" "Meldung=Wiederholt: Pinsel" "$(grep '^Meldung=' "$tmp/state5.txt")"
cmp -s "$tmp/eins.vdz" "$tmp/vor.vdz"
pruefen "redo restores the first press" 0 $?
printf 'release 1310 710 0\npress 577 577 0\ndrag 654 577\ndrag 731 577\nkey 90\nkey 90 5\nkey 90 5\n' |
  "$cli" replay "$tmp/in.vdz" "$tmp/strich.vdz" --events - --state >"$tmp/state6.txt"
pruefen "stroke is one step" "Verlauf=1/0" "$(grep '^Verlauf=' "$tmp/state6.txt")"
pruefen "nothing to redo" "Meldung=Nichts mehr zu wiederholen" "$(grep '^Meldung=' "$tmp/state6.txt")"

# Failures: a malformed line names its number (exit 2), files that cannot be read or written
# give one line and exit 1, and nothing is written on failure.
printf 'tick\n\n# fine\npress 1 2\n' | "$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events - 2>"$tmp/err.txt"
pruefen "malformed exit" 2 $?
grep -q "line 4" "$tmp/err.txt"
pruefen "malformed names line 4" 0 $?
[ -e "$tmp/x.vdz" ] && { echo "FAIL file written after a malformed line"; fehler=1; }
printf 'key 99999\n' | "$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events - 2>/dev/null
pruefen "key code range" 2 $?
"$cli" replay "$tmp/fehlt.vdz" "$tmp/x.vdz" 2>"$tmp/err.txt"
pruefen "missing input exit" 1 $?
pruefen "one line" 1 "$(wc -l <"$tmp/err.txt" | tr -d ' ')"
"$cli" replay "$tmp/in.vdz" "$tmp/kein/ordner/x.vdz" 2>/dev/null
pruefen "unwritable output exit" 1 $?
"$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events "$tmp/keine.txt" 2>/dev/null
pruefen "missing events exit" 1 $?
# Event input that cannot be a list: a folder, a device, an endless stream, an over-long line.
"$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events "$tmp" 2>/dev/null
pruefen "events from a folder" 1 $?
"$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events /dev/zero 2>"$tmp/err.txt"
pruefen "events from /dev/zero" 1 $?
grep -q "is a device, not a list of events" "$tmp/err.txt"
pruefen "a device is named" 0 $?
"$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events - </dev/zero 2>"$tmp/err.txt"
pruefen "events from an endless stream" 1 $?
grep -q "line 1 is longer" "$tmp/err.txt"
pruefen "endless line named" 0 $?
{ printf 'tick\n'; printf '%05000d\n' 0; } | "$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events - 2>"$tmp/err.txt"
pruefen "long line exit" 1 $?
grep -q "line 2 is longer" "$tmp/err.txt"
pruefen "long line named" 0 $?
[ -e "$tmp/x.vdz" ] && { echo "FAIL file written after unreadable events"; fehler=1; }
printf 'not a scenario' >"$tmp/kaputt.vdz"
"$cli" replay "$tmp/kaputt.vdz" "$tmp/x.vdz" 2>/dev/null
pruefen "damaged input exit" 1 $?

# Wrapping: the view goes round the map.
printf 'key 37\nkey 38\n' | "$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events - --wrap --state >"$tmp/state4.txt"
pruefen "wrap" "Position=29,19" "$(grep '^Position=' "$tmp/state4.txt")"

# The wheel zooms at the pointer: logical (100, 100) shows cell (-6, -6) at every step; with
# Shift it scrolls three columns.
printf 'wheel 100 100 1\n' | "$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events - --state >"$tmp/state5.txt"
pruefen "wheel in" "Position=-1,-1 Zoomstufe=1" \
  "$(grep '^Position=' "$tmp/state5.txt") $(grep '^Zoomstufe=' "$tmp/state5.txt")"
printf 'wheel 100 100 -9\nwheel 500 500 -1 1\n' |
  "$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events - --state >"$tmp/state6.txt"
pruefen "wheel out, then across" "Position=15,12 Zoomstufe=6" \
  "$(grep '^Position=' "$tmp/state6.txt") $(grep '^Zoomstufe=' "$tmp/state6.txt")"
# Middle drag and Space with a left drag pan two cells and paint nothing.
printf 'press 100 100 2\ndrag 254 100 2\nrelease 254 100 2\n' |
  "$cli" replay "$tmp/in.vdz" "$tmp/mitte.vdz" --events - --state >"$tmp/state7.txt"
pruefen "middle drag" "Position=-2,0" "$(grep '^Position=' "$tmp/state7.txt")"
printf 'key 32\npress 100 100 0\ndrag 100 254\nrelease 100 254 0\nkeyup 32\n' |
  "$cli" replay "$tmp/in.vdz" "$tmp/leertaste.vdz" --events - --state >"$tmp/state8.txt"
pruefen "space drag" "Position=0,-2" "$(grep '^Position=' "$tmp/state8.txt")"
cmp -s "$tmp/leer.vdz" "$tmp/mitte.vdz" && cmp -s "$tmp/leer.vdz" "$tmp/leertaste.vdz"
pruefen "panning paints nothing" 0 $?
printf 'wheel 1 2\n' | "$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events - 2>/dev/null
pruefen "wheel without delta" 2 $?
printf 'drag 1 2 3\n' | "$cli" replay "$tmp/in.vdz" "$tmp/x.vdz" --events - 2>/dev/null
pruefen "drag with no such button" 2 $?

[ $fehler -eq 0 ] && echo "replay: all checks passed"
exit $fehler
