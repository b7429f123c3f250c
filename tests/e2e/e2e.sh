#!/bin/bash
# End to end: starts a real program on the X display in $DISPLAY (no window
# manager), presses "Teken" from the keyboard, checks the output bars on a
# screenshot against filtercyclus, then ends the program with "Einde" and,
# in a second run, with the close box (WM_DELETE_WINDOW). The X server must
# not reset between the runs (Xvfb -noreset): a reset, when the first
# program's connection closes, would refuse the second program's. It also
# checks that the window carries its desktop entry's class and an icon.
#
# usage: e2e.sh PROGRAM iir|fir FILTERCYCLUS STAAFCONTROLE SLUIT_VENSTER DESKTOP_FILE
#               [SCREENSHOT.png]
# SPDX-License-Identifier: MIT
set -euo pipefail

programma=$1 soort=$2 filtercyclus=$3 staafcontrole=$4 sluit_venster=$5 bureaublad=$6
plaatje=${7:-}
werk=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$werk"' EXIT

fout() { echo "e2e($soort): $*" >&2; exit 1; }

# The window's title is the name its desktop entry gives it.
titel=$(sed -n 's/^Name=//p' "$bureaublad")
[ -n "$titel" ] || fout "no Name= in $bureaublad"

start_programma() {
  "$programma" 2>"$werk/stderr" &
  pid=$!
  venster=""
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null ||
      fout "the program ended before it showed a window: $(cat "$werk/stderr")"
    venster=$(xdotool search --onlyvisible --name "^$titel\$" 2>/dev/null | head -n1 || true)
    [ -n "$venster" ] && break
    sleep 0.1
  done
  [ -n "$venster" ] || fout "no window titled '$titel'"
  # Without a window manager the keyboard follows the pointer.
  xdotool mousemove --window "$venster" 300 300
  sleep 0.3
}

# Tab order: radio box, amplitude, frequency, toggle button, "Einde".
druk_teken() { xdotool key --delay 50 Tab Tab Tab space; }

wacht_op_einde() {
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fout "the program did not end"
  wait "$pid" || fout "the program ended with status $?"
  [ -s "$werk/stderr" ] && fout "the program wrote to stderr: $(cat "$werk/stderr")"
  return 0
}

# The dock ties a window to its menu entry by the class of WM_CLASS (its
# second string): the desktop file's name, also stated as StartupWMClass.
controleer_bureaublad() {
  local klasse id icoon
  klasse=$(xprop -id "$venster" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
  id=$(basename "$bureaublad" .desktop)
  [ "$klasse" = "$id" ] || fout "window class '$klasse', but the desktop file is '$id.desktop'"
  grep -qx "StartupWMClass=$id" "$bureaublad" || fout "$bureaublad lacks StartupWMClass=$id"
  # The first two numbers of _NET_WM_ICON are the width and height of an icon.
  icoon=$(xprop -id "$venster" -len 16 -f _NET_WM_ICON 32c _NET_WM_ICON)
  [[ $icoon =~ ^_NET_WM_ICON\(CARDINAL\)\ =\ [1-9][0-9]*,\ [1-9] ]] ||
    fout "the window carries no icon: $icoon"
  echo "e2e($soort): window class $klasse, with an icon"
}

"$filtercyclus" --programma "$soort" >"$werk/cyclus.csv"

# Run 1: "Teken", compare the picture, then "Einde".
start_programma
controleer_bureaublad
druk_teken
gelukt=""
for _ in $(seq 20); do
  sleep 0.2
  import -window root -depth 8 "$werk/scherm.ppm"
  if "$staafcontrole" "$werk/scherm.ppm" "$werk/cyclus.csv" >"$werk/controle" 2>&1; then
    gelukt=ja
    break
  fi
done
cat "$werk/controle"
[ -n "$gelukt" ] || fout "the output bars on the screen differ from the computed cycle"
if [ -n "$plaatje" ]; then
  import -window "$venster" "$plaatje"
fi
xdotool key --delay 50 Tab space
wacht_op_einde
echo "e2e($soort): picture as computed; \"Einde\" ended the program with status 0"

# Run 2: "Teken", then the close box while the graph is shown.
start_programma
druk_teken
sleep 0.5
"$sluit_venster" "$venster"
wacht_op_einde
echo "e2e($soort): the close box ended the program with status 0"
