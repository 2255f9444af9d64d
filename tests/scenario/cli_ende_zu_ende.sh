#!/bin/sh
# vandor-cli from end to end: new -> info -> overview, and the exit codes of a wrong call (2),
# a missing or damaged file (1). Arguments: the program, a scratch folder.
set -u
cli=$1
ordner=$2
. "$(dirname "$0")/cli_hilfen.sh"
enthaelt() { # description, text, whole line expected in it
  if ! printf '%s\n' "$2" | grep -qxF -- "$3"; then
    echo "FAILED: $1: no line \"$3\" in:"
    printf '%s\n' "$2"
    fehler=1
  fi
}

karte="$ordner/Grün.vdz"
"$cli" new "$karte" --size 40x25 --landscape 16 --generator 1:8231:945:23985381 \
  --name "Grüne Wiese" --author Ada --email ada@example.org --description "zwei Wörter"
erwarte "new" 0 $?
[ -s "$karte" ]
erwarte "new writes the file" 0 $?

info=$("$cli" info "$karte")
erwarte "info" 0 $?
enthaelt "info" "$info" "Szenario: Grüne Wiese"
enthaelt "info" "$info" "Autor: Ada (ada@example.org, )"
enthaelt "info" "$info" "Daten: 0 Spieler, 40x25"
enthaelt "info" "$info" "Beschreibung: zwei Wörter"
info=$("$cli" info "$karte" --english)
erwarte "info --english" 0 $?
enthaelt "info --english" "$info" "Data: 0 players, 40x25"
printf '%s\n' "$info" | grep -q "^Created: ."
erwarte "info shows the date" 0 $?

"$cli" overview "$karte" "$ordner/bild.png"
erwarte "overview" 0 $?
# PNG signature, then the header's width 42 and height 27 (40 x 25 cells and a margin of 1).
kopf=$(od -An -tx1 -N24 "$ordner/bild.png" | tr -d ' \n')
[ "$kopf" = "89504e470d0a1a0a0000000d494844520000002a0000001b" ]
erwarte "overview is a 42 x 27 PNG ($kopf)" 0 $?

# The same generator state gives the same map.
"$cli" new "$ordner/zwei.vdz" --size 40x25 --landscape 16 --generator 1:8231:945:23985381
"$cli" overview "$ordner/zwei.vdz" "$ordner/zwei.png"
cmp -s "$ordner/bild.png" "$ordner/zwei.png"
erwarte "same generator, same picture" 0 $?
"$cli" overview "$karte" "$ordner/starts.png" --starts-only
erwarte "overview --starts-only" 0 $?

# Texts arrive as UTF-8 and are kept as at most 255 Latin-1 characters.
lang=$(printf '%0300d' 0 | sed 's/0/ä/g')
"$cli" new "$ordner/lang.vdz" --size 3x2 --terrain 0 --name "$lang"
erwarte "new with a long name" 0 $?
name=$("$cli" info "$ordner/lang.vdz" | head -n 1)
[ "$name" = "Szenario: $(printf '%0255d' 0 | sed 's/0/ä/g')" ]
erwarte "the name is cut to 255 characters" 0 $?

# Control characters from a file never reach the terminal; the description keeps its lines.
"$cli" new "$ordner/steuer.vdz" --size 3x2 --name "$(printf 'a\033[31mb\tc\177')" \
  --description "$(printf 'eins\r\nzwei')"
info=$("$cli" info "$ordner/steuer.vdz")
enthaelt "info filters control characters" "$info" "Szenario: a?[31mb?c?"
enthaelt "info keeps the description's line break" "$info" "zwei"
# The euro sign and the typographic quotes are characters of the code page, not controls.
"$cli" new "$ordner/euro.vdz" --size 3x2 --name "5 € „gut“ Ω"
info=$("$cli" info "$ordner/euro.vdz")
enthaelt "info shows Windows Latin-1 characters" "$info" "Szenario: 5 € „gut“ ?"

# Error messages quote at most about 80 characters of a word; names are told as what they are.
fehlertext=$("$cli" new "$ordner/x.vdz" --size "$(printf '%0100000d' 0 | tr 0 a)x5" 2>&1)
erwarte "new with a huge width" 2 $?
[ "$(printf '%s' "$fehlertext" | head -n 1 | wc -c)" -lt 300 ]
erwarte "the huge word is cut (${#fehlertext} characters)" 0 $?
"$cli" new "" 2>"$ordner/fehler.txt"
erwarte "new with an empty name" 1 $?
grep -q "empty" "$ordner/fehler.txt"
erwarte "the empty name is told" 0 $?
"$cli" new "$ordner/$(printf '%0300d' 0).vdz" 2>"$ordner/fehler.txt"
erwarte "new with a 300-character name" 1 $?
grep -q "too long" "$ordner/fehler.txt"
erwarte "the long name is told" 0 $?

"$cli" new 2>/dev/null
erwarte "new without a file name" 2 $?
"$cli" new "$ordner/x.vdz" --size 10000x5 2>/dev/null
erwarte "new with a width of 10000" 2 $?
"$cli" new "$ordner/x.vdz" --terrain 3 --landscape 1 2>/dev/null
erwarte "new with terrain and landscape" 2 $?
"$cli" new "$ordner/x.vdz" --terrain 16 2>/dev/null
erwarte "new with terrain 16" 2 $?
"$cli" new "$ordner/x.vdz" --generator 1:2:3:0 2>/dev/null
erwarte "new with modulus 0" 2 $?
"$cli" overview "$karte" 2>/dev/null
erwarte "overview without its picture" 2 $?
"$cli" gibtsnicht 2>/dev/null
erwarte "unknown command" 2 $?
"$cli" 2>/dev/null
erwarte "no command" 2 $?

"$cli" info "$ordner/fehlt.vdz" 2>"$ordner/fehler.txt"
erwarte "info of a missing file" 1 $?
grep -q "fehlt.vdz" "$ordner/fehler.txt"
erwarte "the message names the file" 0 $?
[ "$(wc -l <"$ordner/fehler.txt")" -eq 1 ]
erwarte "one line of message" 0 $?
"$cli" overview "$ordner/fehlt.vdz" "$ordner/f.png" 2>/dev/null
erwarte "overview of a missing file" 1 $?
printf 'kein Szenario' >"$ordner/kaputt.vdz"
"$cli" info "$ordner/kaputt.vdz" 2>/dev/null
erwarte "info of a damaged file" 1 $?
"$cli" new "$ordner/fehlt/neu.vdz" 2>/dev/null
erwarte "new into a missing folder" 1 $?

# Nothing is left behind but the files asked for.
uebrig=$(ls -A "$ordner" | grep -v -x -e 'Grün.vdz' -e 'bild.png' -e 'zwei.vdz' -e 'zwei.png' \
  -e 'starts.png' -e 'fehler.txt' -e 'kaputt.vdz' -e 'lang.vdz' -e 'steuer.vdz' \
  -e 'euro.vdz')
[ -z "$uebrig" ]
erwarte "no temporary files left ($uebrig)" 0 $?

[ $fehler -eq 0 ] && rm -rf "$ordner"
exit $fehler
