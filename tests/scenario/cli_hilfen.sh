# Shared by the end-to-end scripts of vandor-cli, sourced after "cli=$1; ordner=$2": an empty
# scratch folder, and erwarte, which notes a wrong exit code in fehler.
rm -rf "$ordner"
mkdir -p "$ordner"
fehler=0

erwarte() { # description, expected exit code, actual exit code
  if [ "$2" -ne "$3" ]; then
    echo "FAILED: $1 (exit code $3, expected $2)"
    fehler=1
  fi
}
