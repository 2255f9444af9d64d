#!/bin/sh
# A save killed at any moment: "vandor-cli new" replacing an existing scenario is killed with
# SIGKILL at random moments; the target must always be the whole old or the whole new file, and
# after the next successful write into the folder no temporary file may remain. Arguments: the
# program, a scratch folder.
set -u
cli=$1
ordner=$2
rm -rf "$ordner"
mkdir -p "$ordner/ref"
fehler=0
runden=60

# Two versions of one scenario (the date is the same, so the same call gives the same bytes).
argumente() { # version (a or b)
  if [ "$1" = a ]; then
    echo --size 3000x3000 --landscape 2 --generator 1:8231:945:23985381 --name alt
  else
    echo --size 3000x3000 --landscape 5 --generator 7:8231:945:23985381 --name neu
  fi
}
schreiben() { # version, target
  "$cli" new "$2" $(argumente "$1")
}
schreiben a "$ordner/ref/a.vdz" || { echo "FAILED: new"; exit 1; }
schreiben b "$ordner/ref/b.vdz" || { echo "FAILED: new"; exit 1; }
ziel="$ordner/karte.vdz"
cp "$ordner/ref/a.vdz" "$ziel"

# How long one write takes, in seconds, to spread the kills over it.
anfang=$(date +%s%N)
schreiben b "$ordner/ref/b2.vdz"
dauer=$(( ($(date +%s%N) - anfang) / 1000000 ))
[ "$dauer" -lt 20 ] && dauer=20

runde=0
ganz=0
fertig=0
while [ $runde -lt $runden ]; do
  runde=$((runde + 1))
  if cmp -s "$ziel" "$ordner/ref/a.vdz"; then version=b; else version=a; fi
  # The program itself in the background (not a subshell), so that the kill reaches it.
  "$cli" new "$ziel" $(argumente $version) &
  pid=$!
  warte=$(awk -v r="$runde" -v d="$dauer" 'BEGIN { srand(r * 7919 + d); printf "%.3f", rand() * d * 1.2 / 1000 }')
  sleep "$warte"
  kill -KILL $pid 2>/dev/null
  wait $pid 2>/dev/null
  if cmp -s "$ziel" "$ordner/ref/$version.vdz"; then
    fertig=$((fertig + 1))
  elif cmp -s "$ziel" "$ordner/ref/a.vdz" || cmp -s "$ziel" "$ordner/ref/b.vdz"; then
    ganz=$((ganz + 1))
  else
    echo "FAILED: after a kill at ${warte}s the target is neither the old nor the new file"
    "$cli" info "$ziel"
    cp "$ziel" "$ordner/kaputt-$runde.vdz"
    fehler=1
    cp "$ordner/ref/a.vdz" "$ziel"
  fi
done

# A stale temporary file of a writer that is gone, one of a living process (pid 1) and a
# foreign hidden file: only the first goes with the next write.
sh -c 'exit 0' &
tot=$!
wait $tot
: >"$ordner/.karte.$tot-1.teil"
: >"$ordner/.karte.1-1.teil"
: >"$ordner/.fremd.teil"
schreiben a "$ziel"
cmp -s "$ziel" "$ordner/ref/a.vdz"
[ $? -eq 0 ] || { echo "FAILED: the last write did not complete"; fehler=1; }
uebrig=$(ls -A "$ordner" | grep -v -x -e karte.vdz -e ref -e .karte.1-1.teil -e .fremd.teil)
if [ -n "$uebrig" ]; then
  echo "FAILED: temporary files remain after the next write: $uebrig"
  fehler=1
fi
[ -e "$ordner/.karte.1-1.teil" ] && [ -e "$ordner/.fremd.teil" ] || {
  echo "FAILED: files of a living process or foreign files were removed"
  fehler=1
}
echo "$runden kills: $ganz before the new file was in place, $fertig after"
[ $fehler -eq 0 ] && rm -rf "$ordner"
exit $fehler
