#!/bin/sh
# vandor-cli balance, export-image and import-image from end to end, with key Y in a replay.
# Arguments: the program, a scratch folder.
set -u
cli=$1
ordner=$2
. "$(dirname "$0")/cli_hilfen.sh"
gleich() { # description, expected, actual
  if [ "$2" != "$3" ]; then
    printf 'FAILED: %s: expected\n%s\ngot\n%s\n' "$1" "$2" "$3"
    fehler=1
  fi
}

# A hand-made 12 x 10 map of grass: player 0 at (1, 1), player 1 at (6, 1), a 3 x 3 square of
# water around (1, 3). Cell (x, y) lies at logical (577 + 77x, 577 + 77y) in the first view.
"$cli" new "$ordner/gras.vdz" --size 12x10 --terrain 3 >/dev/null
erwarte "new" 0 $?
printf '%s\n' 'release 1255 405 0' 'press 654 654 0' 'release 1410 610 0' 'press 1039 654 0' \
  'release 1205 405 0' 'release 1275 725 0' 'key 107' 'press 654 808 0' |
  "$cli" replay "$ordner/gras.vdz" "$ordner/hand.vdz" --events - >/dev/null
erwarte "replay" 0 $?

# Radius 2: the edge cuts two of player 0's 13 cells; four water cells are in reach.
gleich "balance" "Radius 2
Spieler  Feld  Wasser  Gras  Vorkommen  Nächster Start
0         1,1       4     7          0            5.00
1         6,1       0    12          0            5.00

Spalte          Kleinster  Größter
Wasser                  0        4
Gras                    7       12
Vorkommen               0        0
Nächster Start       5.00     5.00" "$("$cli" balance "$ordner/hand.vdz" --radius 2)"
# Across the joined edges every start has its 13 cells; a radius wider than the map counts each
# of its 120 cells once.
gleich "balance, wrapping" "0        1,1      4      9         0           5.00" \
  "$("$cli" balance "$ordner/hand.vdz" --radius 2 --wrap --english | sed -n 3p)"
gleich "balance, wide radius" "Grass               111      111" \
  "$("$cli" balance "$ordner/hand.vdz" --radius 300 --wrap --english | grep '^Grass')"
"$cli" balance "$ordner/hand.vdz" --radius -1 2>/dev/null
erwarte "negative radius" 2 $?

# Key Y switches symmetry on; a four-fold press at (1, 1) paints the corners' images too.
printf '%s\n' 'key 89' 'key 89' 'key 89' 'release 1275 725 0' 'press 654 654 0' |
  "$cli" replay "$ordner/gras.vdz" "$ordner/sym.vdz" --events - --state >"$ordner/state.txt"
gleich "symmetry state" "Symmetrie=3" "$(grep '^Symmetrie=' "$ordner/state.txt")"
"$cli" export-image "$ordner/sym.vdz" "$ordner/sym.png"
erwarte "export-image" 0 $?
"$cli" import-image "$ordner/sym.png" "$ordner/sym2.vdz" --name Bild
erwarte "import-image" 0 $?
"$cli" info "$ordner/sym2.vdz" | grep -q '^Szenario: Bild$'
erwarte "import-image keeps the name" 0 $?

# Export then import gives back the same terrain: the second export is the same picture, on a
# map of several 64-cell blocks each way. The landscapes draw only terrains of unique colour
# (the black ones, 0, 12, 14 and 15, are never drawn).
for l in 2 11 16; do
  "$cli" new "$ordner/z$l.vdz" --size 130x70 --landscape $l >/dev/null &&
    "$cli" export-image "$ordner/z$l.vdz" "$ordner/z$l.png" &&
    "$cli" import-image "$ordner/z$l.png" "$ordner/z$l-2.vdz" &&
    "$cli" export-image "$ordner/z$l-2.vdz" "$ordner/z$l-2.png" &&
    cmp -s "$ordner/z$l.png" "$ordner/z$l-2.png"
  erwarte "round trip of landscape $l" 0 $?
done

# Pixels of colours near terrain colours (RGB, no palette) give the same map as the exact
# colours; a colour as near to snow as to ice becomes snow, the lower number.
echo iVBORw0KGgoAAAANSUhEUgAAAAMAAAACCAIAAAASFvFNAAAAHUlEQVR4nGNgZPzFsOGCgIAAw4oVKxgKGCY4NAAAPWMGZQjQ1/IAAAAASUVORK5CYII= |
  base64 -d >"$ordner/nahe.png"
echo iVBORw0KGgoAAAANSUhEUgAAAAMAAAACCAIAAAASFvFNAAAAG0lEQVR4nGNgYPjPsGADAxCsWrWKoZxhgUMDADkmBiVjRDFaAAAAAElFTkSuQmCC |
  base64 -d >"$ordner/genau.png"
for n in nahe genau; do
  "$cli" import-image "$ordner/$n.png" "$ordner/$n.vdz" && "$cli" export-image "$ordner/$n.vdz" "$ordner/$n-2.png"
  erwarte "import of $n" 0 $?
done
cmp -s "$ordner/nahe-2.png" "$ordner/genau-2.png"
erwarte "nearest colours" 0 $?

# A picture 10000 pixels wide is refused from its header; nothing is written.
echo iVBORw0KGgoAAAANSUhEUgAAJxAAAAABCAIAAAD3vCNcAAAAAElFTkSuQmCC | base64 -d >"$ordner/breit.png"
meldung=$("$cli" import-image "$ordner/breit.png" "$ordner/breit.vdz" 2>&1)
erwarte "too wide" 1 $?
gleich "too wide message" \
  "vandor-cli: $ordner/breit.png: the picture is 10000x1 pixels; a map has at most 9999 cells a side" \
  "$meldung"
[ ! -e "$ordner/breit.vdz" ]
erwarte "nothing written" 0 $?
"$cli" import-image "$ordner/gras.vdz" "$ordner/x.vdz" 2>/dev/null
erwarte "not a picture" 1 $?

[ $fehler -eq 0 ] && rm -rf "$ordner"
exit $fehler
