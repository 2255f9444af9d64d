#!/bin/sh
# The installed programs as a desktop user meets them: cmake --install into a temporary prefix,
# the desktop files in their places and valid, the prefix made read-only, then vandor-cli and
# vandor-editor run from there with HOME and XDG_DATA_HOME in the test's own folder. The editor
# is started under xvfb-run and ended with SIGTERM; it must end cleanly with its data in the XDG
# folder and nothing written below the prefix (root may write anywhere, so that is checked).
# With "deb" the Debian package is built instead and its files and dependencies checked.
# Arguments: the build folder, then optionally "deb". Exit code 77: skipped.
set -u
build=$1
art=${2:-}
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
fehler=0
scheitern() {
  echo "FAILED: $*"
  fehler=1
}

if [ "$art" = deb ]; then
  command -v dpkg-shlibdeps >/dev/null || { echo "no dpkg-shlibdeps (dpkg-dev)"; exit 77; }
  cpack -G DEB -B "$tmp/paket" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; scheitern "cpack -G DEB"; exit 1; }
  deb=$(ls "$tmp"/paket/*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || { scheitern "no .deb made"; exit 1; }
  inhalt=$(dpkg-deb -c "$deb")
  for datei in ./usr/bin/vandor-editor ./usr/bin/vandor-cli \
    ./usr/share/applications/vandor-editor.desktop ./usr/share/mime/packages/vandor-editor.xml \
    ./usr/share/icons/hicolor/scalable/apps/vandor-editor.svg; do
    printf '%s\n' "$inhalt" | grep -q " $datei\$" || scheitern "$datei not in the package"
  done
  printf '%s\n' "$inhalt" | grep -q " ./usr/share/vandor-editor/Grafik/.*\.tga\$" ||
    scheitern "no default graphics in the package"
  abh=$(dpkg-deb -f "$deb" Depends)
  for paket in libqt6widgets6 libqt6gui6 libglu1-mesa libfreetype6 zlib1g \
    qt6-qpa-plugins; do
    printf '%s\n' "$abh" | grep -q "\(^\|, \)$paket\( \|,\|\$\)" ||
      scheitern "Depends lacks $paket: $abh"
  done
  # Every dependency is a real package of this system (installed here, as the build needs it).
  for paket in $(printf '%s\n' "$abh" | tr ',' '\n' | sed 's/(.*//; s/|.*//' | tr -d ' '); do
    dpkg-query -W "$paket" >/dev/null 2>&1 || scheitern "dependency $paket is no known package"
  done
  exit $fehler
fi

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
  { cat "$tmp/install.log"; scheitern "cmake --install"; exit 1; }
for datei in bin/vandor-editor bin/vandor-cli share/applications/vandor-editor.desktop \
  share/icons/hicolor/scalable/apps/vandor-editor.svg share/mime/packages/vandor-editor.xml; do
  [ -s "$prefix/$datei" ] || scheitern "$datei not installed"
done
ls "$prefix"/share/vandor-editor/Grafik/*.tga >/dev/null 2>&1 || scheitern "no default graphics"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/vandor-editor.desktop" ||
    scheitern "desktop-file-validate"
else
  echo "desktop-file-validate missing (package desktop-file-utils): not checked"
fi
grep -q 'glob pattern="\*\.vdz"' "$prefix/share/mime/packages/vandor-editor.xml" ||
  scheitern "no MIME glob for .vdz"

chmod -R a-w "$prefix"
touch "$tmp/marke"
sleep 1
export HOME="$tmp/heim" XDG_DATA_HOME="$tmp/daten"
mkdir -p "$HOME"
cd "$tmp" || exit 1

"$prefix/bin/vandor-cli" new "$tmp/karte.vdz" --size 20x10 --name Probe >/dev/null ||
  scheitern "installed vandor-cli new"
"$prefix/bin/vandor-cli" info "$tmp/karte.vdz" | grep -q "Probe" ||
  scheitern "installed vandor-cli info"

if command -v xvfb-run >/dev/null; then
  # Started, given time to come up, then ended by SIGTERM: a clean end, exit code 0.
  xvfb-run -a timeout --preserve-status -s TERM 6 "$prefix/bin/vandor-editor" \
    >"$tmp/editor.log" 2>&1
  rc=$?
  [ $rc -eq 0 ] || { cat "$tmp/editor.log"; scheitern "vandor-editor ended with $rc"; }
  daten=$XDG_DATA_HOME/vandor-editor
  for ordner in Szenario Benutzer Speicher Grafik; do
    [ -d "$daten/$ordner" ] || scheitern "no $ordner in $daten"
  done
  [ -s "$daten/Benutzer/Benutzer.ini" ] || scheitern "settings not saved in $daten/Benutzer"
else
  echo "xvfb-run missing: the editor was not started"
fi
neu=$(find "$prefix" -newer "$tmp/marke" | head -n 5)
[ -z "$neu" ] || scheitern "written below the installed prefix: $neu"
exit $fehler
