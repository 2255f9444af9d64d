#!/bin/sh
# End-to-end run of "vandor-cli snapshot": a frame of the editor window as PNG, without a display.
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
groesse() {  # width and height from a PNG's header
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

"$cli" new "$tmp/in.vdz" --size 30x20 --terrain 3 >/dev/null || { echo "FAIL new"; exit 1; }
mkdir "$tmp/leer"

"$cli" snapshot "$tmp/in.vdz" "$tmp/a.png"
pruefen "exit code" 0 $?
pruefen "default size" 1600x1200 "$(groesse "$tmp/a.png")"

# The same input gives the same picture (the stars stand still, the clock is the replay's).
"$cli" snapshot "$tmp/in.vdz" "$tmp/b.png"
cmp -s "$tmp/a.png" "$tmp/b.png"
pruefen "same picture twice" 0 $?

# Painting with the biggest brush changes the picture; the size option is honoured.
printf 'key 107\nkey 107\nkey 107\nkey 107\nkey 107\nrelease 1310 710 0\npress 300 300 0\n' |
  "$cli" snapshot "$tmp/in.vdz" "$tmp/c.png" --events - --size 800x600 --graphics "$tmp/leer"
pruefen "painted exit code" 0 $?
pruefen "size option" 800x600 "$(groesse "$tmp/c.png")"
"$cli" snapshot "$tmp/in.vdz" "$tmp/d.png" --size 800x600 --graphics "$tmp/leer"
cmp -s "$tmp/c.png" "$tmp/d.png"
pruefen "painting shows" 1 $?

# Wrong calls and unreadable input: exit codes 2 and 1, nothing written.
"$cli" snapshot "$tmp/in.vdz" "$tmp/e.png" --size 0x600 2>/dev/null
pruefen "bad size" 2 $?
"$cli" snapshot "$tmp/in.vdz" "$tmp/e.png" --size 800 2>/dev/null
pruefen "size without height" 2 $?
printf 'press 1 2\n' | "$cli" snapshot "$tmp/in.vdz" "$tmp/e.png" --events - 2>/dev/null
pruefen "bad event" 2 $?
"$cli" snapshot "$tmp/fehlt.vdz" "$tmp/e.png" 2>/dev/null
pruefen "missing scenario" 1 $?
"$cli" snapshot "$tmp/in.vdz" "$tmp/e.png" --graphics "$tmp/fehlt" 2>/dev/null
pruefen "missing graphics folder" 1 $?
"$cli" snapshot "$tmp/in.vdz" "$tmp/fehlt/e.png" 2>/dev/null
pruefen "unwritable target" 1 $?
[ -e "$tmp/e.png" ]
pruefen "nothing written" 1 $?

# A target that is no plain file is refused and stays as it is.
mkfifo "$tmp/fifo.png"
timeout 60 "$cli" snapshot "$tmp/in.vdz" "$tmp/fifo.png" 2>/dev/null
pruefen "FIFO target" 1 $?
pruefen "FIFO stays" yes "$([ -p "$tmp/fifo.png" ] && echo yes)"

# A terrain atlas of 3 GB (sparse) behind a 512 x 512 header is refused from its header, before
# anything is read: the picture is drawn without it, at no cost in memory.
mkdir "$tmp/riesig"
atlas="$tmp/riesig/$(printf 'Gel\303\244nde.tga')"
printf '\000\000\002\000\000\000\000\000\000\000\000\000\000\002\000\002\040\010' >"$atlas"
truncate -s 3G "$atlas"
/usr/bin/time -f %M -o "$tmp/speicher" "$cli" snapshot "$tmp/in.vdz" "$tmp/f.png" --size 200x150 \
  --graphics "$tmp/riesig"
pruefen "huge atlas exit code" 0 $?
kb=$(tail -n 1 "$tmp/speicher")
[ "$kb" -lt 1000000 ] || { echo "FAIL huge atlas took $kb KB"; fehler=1; }

exit $fehler
