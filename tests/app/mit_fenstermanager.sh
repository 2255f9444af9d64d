#!/bin/sh
# Runs a command on a screen of its own as a desktop user has it: Xvfb at 1920 x 1080 with a
# window manager (openbox) that draws frames and title bars, places and maximises windows.
#   mit_fenstermanager.sh COMMAND [ARGUMENTS...]
# The exit code is the command's; Xvfb and the window manager end with it.
set -u
breite=${VANDOR_BILDSCHIRM:-1920x1080}
# A free display number: the first without a lock file.
nummer=90
while [ -e "/tmp/.X$nummer-lock" ] || [ -e "/tmp/.X11-unix/X$nummer" ]; do
  nummer=$((nummer + 1))
done
Xvfb ":$nummer" -screen 0 "${breite}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
heim=$(mktemp -d)
ende() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$heim"
}
trap ende EXIT INT TERM
export DISPLAY=":$nummer"
# The server is up once a client can talk to it.
i=0
until xprop -root >/dev/null 2>&1; do
  i=$((i + 1))
  if [ "$i" -gt 100 ]; then echo "mit_fenstermanager: Xvfb did not start" >&2; exit 1; fi
  sleep 0.1
done
# No user configuration: the window manager's defaults, the same on every machine.
HOME=$heim openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The window manager is up once it has announced itself on the root window.
i=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  i=$((i + 1))
  if [ "$i" -gt 100 ]; then echo "mit_fenstermanager: openbox did not start" >&2; exit 1; fi
  sleep 0.1
done
"$@"
