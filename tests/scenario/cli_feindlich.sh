#!/bin/sh
# Hostile paths and files for vandor-cli: a target that is no plain file (a FIFO, a device) is
# never replaced, an input that is no plain file never makes a command wait, a save keeps the
# permissions of the file it replaces and writes through a link, a PNG declaring a huge chunk
# fails at once, a damaged stream is named, and every failure is one safe line. Arguments: the
# program, a scratch folder.
set -u
cli=$1
ordner=$2
funde="$(cd "$(dirname "$0")/../../fuzz/funde/png" && pwd)"
. "$(dirname "$0")/cli_hilfen.sh"
einzeilig() { # description, file of the messages, text they must hold
  if [ "$(wc -l <"$2")" -ne 1 ] || ! grep -qF -- "$3" "$2"; then
    echo "FAILED: $1: $(cat "$2")"
    fehler=1
  fi
}
cd "$ordner" || exit 1

"$cli" new a.vdz --size 6x5 --name A >/dev/null
erwarte "new" 0 $?
"$cli" export-image a.vdz a.png
erwarte "export-image" 0 $?

# Targets that are no plain file: refused in one line and left as they were. A device needs
# the right to make one (root in CI); the FIFO always runs.
mkfifo fifo
geraet=
mknod -m 666 voll c 1 7 2>/dev/null && geraet=voll
for ziel in fifo $geraet; do
  for befehl in "new $ziel --size 5x5" "replay a.vdz $ziel" "import-image a.png $ziel" \
    "export-image a.vdz $ziel" "overview a.vdz $ziel"; do
    timeout 20 "$cli" $befehl 2>err
    erwarte "$befehl" 1 $?
    einzeilig "$befehl" err "cannot be written, it is a"
  done
  [ -f "$ziel" ] && { echo "FAILED: $ziel was replaced by a plain file"; fehler=1; }
done

# Inputs that are no plain file end at once with the reason.
for befehl in "info fifo" "balance fifo" "import-image fifo b.vdz" \
  "replay a.vdz b.vdz --events fifo"; do
  timeout 20 "$cli" $befehl 2>err
  erwarte "$befehl" 1 $?
  einzeilig "$befehl" err "is a FIFO, not a"
done
mkdir ordner.png
"$cli" import-image ordner.png b.vdz 2>err
einzeilig "a folder as picture" err "ordner.png: is a folder, not a PNG picture"
"$cli" import-image fehlt.png b.vdz 2>err
einzeilig "a missing picture" err "fehlt.png: No such file or directory"

# A zlib stream of nothing is no scenario of no size; bytes after the stream are refused.
printf '\170\234\003\000\000\000\000\001' >nichts.vdz
"$cli" info nichts.vdz 2>err
erwarte "stream of nothing" 1 $?
einzeilig "stream of nothing" err "damaged: it ends after 0 bytes"
cat a.vdz >anhang.vdz
printf 'x' >>anhang.vdz
"$cli" info anhang.vdz 2>err
erwarte "bytes after the stream" 1 $?
einzeilig "bytes after the stream" err "other bytes follow the end of its compressed data"

# Saving over a file keeps its mode; a read-only one is refused, also for root; a link is
# written through to its target, in the target's folder.
chmod 600 a.vdz
"$cli" new a.vdz --size 7x7 >/dev/null
erwarte "save over a private file" 0 $?
[ "$(stat -c %a a.vdz)" = 600 ] || { echo "FAILED: the mode became $(stat -c %a a.vdz)"; fehler=1; }
chmod 444 a.vdz
cp -p a.vdz vorher.vdz
"$cli" new a.vdz --size 8x8 2>err
erwarte "read-only target" 1 $?
einzeilig "read-only target" err "a.vdz: cannot be written, it is read-only"
cmp -s a.vdz vorher.vdz || { echo "FAILED: the read-only file changed"; fehler=1; }
chmod 644 a.vdz
mkdir echt
"$cli" new echt/z.vdz --size 4x4 >/dev/null
ln -s echt/z.vdz z.vdz
"$cli" replay a.vdz z.vdz >/dev/null
erwarte "replay through a link" 0 $?
[ -L z.vdz ] || { echo "FAILED: the link was replaced"; fehler=1; }
"$cli" info echt/z.vdz | grep -q '^Daten: 0 Spieler, 7x7$'
erwarte "the link's target was written" 0 $?
: >echt/z.png
chmod 640 echt/z.png
ln -s echt/z.png z.png
"$cli" overview a.vdz z.png
erwarte "picture through a link" 0 $?
[ -L z.png ] && [ "$(stat -c %a echt/z.png)" = 640 ] && [ -s echt/z.png ] ||
  { echo "FAILED: the picture's link or mode"; fehler=1; }

# A 43-byte PNG whose chunk declares 2 GiB fails at once, without taking the memory.
for datei in "$funde"/abschnitt_2gib_*; do
  /usr/bin/time -f %M -o speicher "$cli" import-image "$datei" b.vdz 2>err
  erwarte "$(basename "$datei")" 1 $?
  einzeilig "$(basename "$datei")" err "chunk data is too large"
  kb=$(tail -n 1 speicher)
  [ "$kb" -lt 200000 ] || { echo "FAILED: $(basename "$datei") took $kb KB"; fehler=1; }
done

# File names are shown with control characters as "?" and long ones cut in the middle; a
# failed write names the system's reason in one line (a file size limit stands in for a full
# disk: the reason is the system's, not libpng's two lines).
"$cli" info "$(printf 'x\033[31my\nz.vdz')" 2>err
einzeilig "control characters" err "x?[31my?z.vdz: No such file or directory"
lang=$(printf 'n%.0s' $(seq 200))
"$cli" info "$lang.vdz" 2>err
einzeilig "long name" err "nnn...nnn"
grep -q 'n\.vdz: No such file or directory$' err || { echo "FAILED: long name: $(cat err)"; fehler=1; }
[ "$(wc -c <err)" -lt 150 ] || { echo "FAILED: long name not cut: $(cat err)"; fehler=1; }
"$cli" new gross.vdz --size 600x600 --landscape 3 >/dev/null
(trap '' XFSZ; ulimit -f 4; "$cli" export-image gross.vdz gross.png) 2>err
erwarte "picture beyond the file size limit" 1 $?
einzeilig "picture beyond the file size limit" err "gross.png: cannot be written: File too large"
[ -e gross.png ] && { echo "FAILED: a broken picture was left"; fehler=1; }

[ $fehler -eq 0 ] && echo "hostile paths and files: all checks passed"
exit $fehler
