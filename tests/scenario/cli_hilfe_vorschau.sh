#!/bin/sh
# vandor-cli's help, version and thumbnail, and that the manual page and the bash completion
# know every command and option of the command table (a command added later without its page
# fails here). Arguments: the program, a scratch folder, the project's version, the manual page
# (roff source), the completion script.
set -u
cli=$1
ordner=$2
fassung=$3
seite=$4
vervollstaendigung=$5
. "$(dirname "$0")/cli_hilfen.sh"
png_groesse() { # width x height from a PNG header
  od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'
}

# --version, --help and the help of each command, on standard output with exit code 0.
[ "$("$cli" --version)" = "vandor-cli $fassung" ]
erwarte "--version says $fassung" 0 $?
befehle=$("$cli" help --commands)
erwarte "help --commands" 0 $?
uebersicht=$("$cli" --help)
erwarte "--help" 0 $?
[ "$(printf '%s\n' "$uebersicht" | grep -c "no description")" -eq 0 ]
erwarte "every command has a description" 0 $?
for befehl in $befehle; do
  printf '%s\n' "$uebersicht" | grep -q "^  $befehl  " ||
    { echo "FAILED: $befehl is not in the overview"; fehler=1; }
  hilfe=$("$cli" help "$befehl")
  erwarte "help $befehl" 0 $?
  [ "$("$cli" "$befehl" --help)" = "$hilfe" ]
  erwarte "$befehl --help is help $befehl" 0 $?
  printf '%s\n' "$hilfe" | head -n 1 | grep -q "^usage: vandor-cli $befehl"
  erwarte "help $befehl starts with its usage" 0 $?
done
# "--help" as the value of an option is a text, not a call for help.
"$cli" new "$ordner/hilfe.vdz" --name --help --size 3x2 >/dev/null
erwarte "new --name --help" 0 $?
[ "$("$cli" info "$ordner/hilfe.vdz" | head -n 1)" = "Szenario: --help" ]
erwarte "the name is --help" 0 $?
"$cli" help nichts >/dev/null 2>&1
erwarte "help of an unknown command" 2 $?
"$cli" help --options nichts >/dev/null 2>&1
erwarte "options of an unknown command" 2 $?

# The manual page: a section (.SS) per command, naming each of its options in it.
for befehl in $befehle; do
  roff=$(printf '%s' "$befehl" | sed 's/-/\\\\-/g')
  abschnitt=$(awk -v k=".SS $roff" '$0 == k {an = 1; next} /^\.S[SH]/ {an = 0} an' "$seite")
  [ -n "$abschnitt" ] || { echo "FAILED: no section \".SS $befehl\" in $seite"; fehler=1; }
  for option in $("$cli" help --options "$befehl" | cut -d' ' -f1); do
    [ "$option" = --help ] && continue
    roff=$(printf '%s' "$option" | sed 's/-/\\\\-/g')
    printf '%s\n' "$abschnitt" | grep -q -- "$roff" ||
      { echo "FAILED: $option of $befehl is not in its section of $seite"; fehler=1; }
  done
done

# The completion: registered, the commands, a command's options, files and folders for values.
ergebnis=$(cd "$ordner" && bash -c '
  . "$1"; complete -p vandor-cli || exit 1
  ergaenze() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _vandor_cli "$cli" "" ""; echo "${COMPREPLY[*]}"; }
  cli=$2
  mkdir -p bilder; : > ereignisse.txt
  ergaenze vandor-cli ""
  ergaenze vandor-cli help ""
  ergaenze vandor-cli snapshot a.vdz --
  ergaenze vandor-cli replay --events ere
  ergaenze vandor-cli snapshot --graphics bil
  ergaenze vandor-cli thumbnail --size ""
' sh "$vervollstaendigung" "$cli")
erwarte "the completion script" 0 $?
zeile() { printf '%s\n' "$ergebnis" | sed -n "$1p"; }
for befehl in $befehle; do
  for n in 2 3; do
    zeile $n | tr ' ' '\n' | grep -qx -- "$befehl" ||
      { echo "FAILED: completion line $n lacks $befehl: $(zeile $n)"; fehler=1; }
  done
done
[ "$(zeile 4)" = "--events --wrap --graphics --size --help" ]
erwarte "completion of snapshot's options ($(zeile 4))" 0 $?
[ "$(zeile 5)" = "ereignisse.txt" ] && [ "$(zeile 6)" = "bilder" ] && [ -z "$(zeile 7)" ]
erwarte "completion of option values ($(zeile 5) / $(zeile 6) / $(zeile 7))" 0 $?

# thumbnail: the longer side N, the proportions kept, small maps enlarged.
"$cli" new "$ordner/breit.vdz" --size 398x98 --landscape 3 >/dev/null
"$cli" thumbnail "$ordner/breit.vdz" "$ordner/breit.png" --size 200
erwarte "thumbnail" 0 $?
[ "$(png_groesse "$ordner/breit.png")" = "200x50" ]
erwarte "a 400 x 100 overview at 200 is 200 x 50 ($(png_groesse "$ordner/breit.png"))" 0 $?
"$cli" new "$ordner/klein.vdz" --size 8x19 >/dev/null
"$cli" thumbnail "$ordner/klein.vdz" "$ordner/klein.png"
[ "$(png_groesse "$ordner/klein.png")" = "121x256" ]
erwarte "a 10 x 21 overview is enlarged to 121 x 256 ($(png_groesse "$ordner/klein.png"))" 0 $?
for groesse in 0 1025 x; do
  "$cli" thumbnail "$ordner/klein.vdz" "$ordner/falsch.png" --size $groesse 2>/dev/null
  erwarte "thumbnail --size $groesse" 2 $?
done
# A damaged file: exit code 1, the reason named, nothing written (an older picture stays).
head -c 300 "$ordner/breit.vdz" >"$ordner/kaputt.vdz"
echo alt >"$ordner/alt.png"
"$cli" thumbnail "$ordner/kaputt.vdz" "$ordner/alt.png" 2>"$ordner/fehler.txt"
erwarte "thumbnail of a damaged file" 1 $?
grep -q "kaputt.vdz: not a scenario file" "$ordner/fehler.txt"
erwarte "the damage is told" 0 $?
[ "$(cat "$ordner/alt.png")" = alt ]
erwarte "the older picture stays" 0 $?
"$cli" thumbnail "$ordner/kaputt.vdz" "$ordner/neu.png" 2>/dev/null
[ ! -e "$ordner/neu.png" ]
erwarte "no picture for a damaged file" 0 $?
exit $fehler
