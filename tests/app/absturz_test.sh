#!/bin/sh
# The real program killed while the map has unsaved changes: vandor-editor (a copy in a folder of
# its own, which then holds its data) is started on a screen with a window manager, builds the
# default map, is painted on with clicks and keys through xdotool, and is killed with SIGKILL
# once its recovery copy holds the painting. The next start offers the copy; brought back and
# ended cleanly (SIGTERM), the map saved as "Letztes" equals, cell for cell, the same clicks and
# keys replayed by vandor-cli, and the copy is gone.
# Arguments: the build folder. Exit code 77: skipped.
set -u
if [ "${1:-}" = innen ]; then
  build=$2
  tmp=$3
  cli=$build/bin/vandor-cli
  prog=$tmp/prog
  kopie=$prog/Speicher/Wiederherstellung.vdz
  scheitern() {
    echo "FAILED: $*"
    [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null
    cat "$tmp/editor.log" 2>/dev/null
    exit 1
  }
  # The visible windows named "Vandor Editor...", one id a line.
  fenster() { xdotool search --onlyvisible --name '^Vandor Editor' 2>/dev/null; }
  # Waits until a visible window other than $1 is there, and prints it.
  neues_fenster() {
    i=0
    while [ $i -lt 100 ]; do
      for f in $(fenster); do
        [ "$f" != "$1" ] && { echo "$f"; return 0; }
      done
      i=$((i + 1))
      sleep 0.1
    done
    return 1
  }
  bild() { "$cli" export-image "$1" "$2" >/dev/null 2>&1; }

  cd "$prog" || exit 1
  VANDOR_SICHERUNG_MS=300 ./vandor-editor >"$tmp/editor.log" 2>&1 &
  pid=$!
  dialog=$(neues_fenster none) || scheitern "the set-up dialog did not show"
  sleep 0.5
  # "Szenario erzeugen": the default map, 30 x 30 cells of terrain 3.
  xdotool mousemove --window "$dialog" 528 424 click 1
  editor=$(neues_fenster "$dialog") || scheitern "the editor window did not show"
  sleep 0.5
  breite=$(xdotool getwindowgeometry "$editor" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
  hoehe=$(xdotool getwindowgeometry "$editor" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  [ -n "$breite" ] && [ -n "$hoehe" ] || scheitern "no size of the editor window"
  : >"$tmp/ereignisse.txt"
  # A click at pixel (x, y) of the window, and the same click in logical units for the replay.
  klick() {
    xdotool mousemove --window "$editor" "$1" "$2" click 1
    lx=$(($1 * 1600 / breite))
    ly=$(($2 * 1200 / hoehe))
    printf 'press %d %d 0\nrelease %d %d 0\n' "$lx" "$ly" "$lx" "$ly" >>"$tmp/ereignisse.txt"
    sleep 0.3
  }
  taste() { # xdotool key name, key code, shift state
    xdotool key --window "$editor" "$1"
    printf 'key %d %d\n' "$2" "$3" >>"$tmp/ereignisse.txt"
    sleep 0.3
  }
  klick $((breite * 40 / 100)) $((hoehe * 60 / 100))
  taste KP_Add 107 0
  taste KP_Add 107 0
  klick $((breite * 62 / 100)) $((hoehe * 80 / 100))
  klick $((breite * 50 / 100)) $((hoehe * 50 / 100))
  taste z 90 0
  taste ctrl+y 89 4
  taste z 90 0
  "$cli" new "$tmp/leer.vdz" --size 30x30 --terrain 3 >/dev/null || scheitern "vandor-cli new"
  "$cli" replay "$tmp/leer.vdz" "$tmp/erwartet.vdz" --events "$tmp/ereignisse.txt" >/dev/null ||
    scheitern "vandor-cli replay"
  bild "$tmp/erwartet.vdz" "$tmp/erwartet.png" || scheitern "export of the expected map"
  bild "$tmp/leer.vdz" "$tmp/leer.png"
  cmp -s "$tmp/erwartet.png" "$tmp/leer.png" && scheitern "the clicks painted nothing"

  titel=$(xdotool getwindowname "$editor")
  [ "$titel" = "Vandor Editor *" ] || scheitern "title \"$titel\" does not show the unsaved changes"

  # The copy follows the painting within a moment; then the program dies.
  i=0
  until [ -s "$kopie" ] && bild "$kopie" "$tmp/kopie.png" && cmp -s "$tmp/kopie.png" "$tmp/erwartet.png"; do
    i=$((i + 1))
    [ $i -gt 100 ] && scheitern "no recovery copy of the painted map"
    sleep 0.1
  done
  kill -9 "$pid"
  wait "$pid" 2>/dev/null
  pid=
  [ -s "$kopie" ] || scheitern "the recovery copy is gone after the kill"

  # The next start offers it; Return takes the default answer, bringing it back.
  ./vandor-editor >"$tmp/editor.log" 2>&1 &
  pid=$!
  erstes=$(neues_fenster none) || scheitern "the second start showed nothing"
  frage=$(neues_fenster "$erstes") || scheitern "no offer of the recovery copy"
  sleep 0.5
  xdotool windowactivate --sync "$frage" 2>/dev/null; xdotool key Return
  i=0
  while [ "$(fenster | wc -l)" -gt 1 ]; do
    i=$((i + 1))
    [ $i -gt 50 ] && scheitern "the offer did not close"
    sleep 0.1
  done
  sleep 0.3
  kill -TERM "$pid"
  wait "$pid"
  rc=$?
  pid=
  [ $rc -eq 0 ] || scheitern "the second run ended with $rc"
  [ -e "$kopie" ] && scheitern "a clean end left the recovery copy"
  bild "$prog/Szenario/Letztes.vdz" "$tmp/zurueck.png" || scheitern "no Letztes.vdz"
  cmp -s "$tmp/zurueck.png" "$tmp/erwartet.png" || scheitern "the map brought back differs"
  echo "crash recovery: all checks passed"
  exit 0
fi

build=$(cd "$1" && pwd) || exit 1
for befehl in xdotool Xvfb openbox xprop; do
  command -v $befehl >/dev/null || { echo "$befehl missing"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/prog"
cp "$build/bin/vandor-editor" "$tmp/prog/" || exit 1
hier=$(cd "$(dirname "$0")" && pwd)
HOME=$tmp sh "$hier/mit_fenstermanager.sh" sh "$hier/absturz_test.sh" innen "$build" "$tmp"
