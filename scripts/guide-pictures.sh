#!/usr/bin/env bash
# Remakes the pictures of docs/guide.md: nets drawn by plexor-net render, and screenshots
# of the editor on a virtual display (Xvfb, driven with xdotool, taken with ImageMagick).
# Run it whenever the look of the program changed:
#   bash scripts/guide-pictures.sh [BUILD_DIR]     (default build-release, else build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-}
if [ -z "$build" ]; then
  for b in build-release build-test; do [ -x "$b/app/plexor" ] && build=$b && break; done
fi
[ -n "$build" ] && [ -x "$build/app/plexor" ] || { echo "guide-pictures: build Plexor first (scripts/start.sh)" >&2; exit 1; }
build=$(cd "$build" && pwd)
scripts/setup.sh xdotool imagemagick
out=$root/docs/pictures
mkdir -p "$out"

# Nets drawn as the canvas shows them.
net=$build/tools/plexor-net/plexor-net
"$net" render examples/filter-chain.net "$out/filter-chain.png" --size 42,18
"$net" render examples/feedback-loop.net "$out/feedback-loop.png" --size 36,20
# Committed pictures stay small: 64 colours hold everything the program draws.
# -strip drops the time stamps, so an unchanged look gives unchanged files.
small() { convert "$1" +dither -colors 64 -strip "PNG8:$1"; }
# The filter chain against its second version of the guide's diff example.
second=$(mktemp --suffix=.net)
sed -e 's/^Smooth = 20,8,3,Avg,/Smooth = 22,8,3,Mul,/' -e '/^Scale = 30,10,3,Mul,Smooth,Gain\r$/d' \
    -e 's/^\[ZEP\]\r$/[ZEP]\r\nScale = 30,10,3,Mul,Smooth,Gain\r/' -e 's/^\[OutData\]\r$/Bias = 0,20\r\n[OutData]\r/' \
    examples/filter-chain.net >"$second"
"$net" render "$second" "$out/filter-chain-changes.png" --against examples/filter-chain.net --size 48,24
rm -f "$second"
small "$out/filter-chain.png"
small "$out/feedback-loop.png"
small "$out/filter-chain-changes.png"
echo "guide-pictures: docs/pictures/filter-chain.png feedback-loop.png filter-chain-changes.png"

# The editor runs from a scratch folder, so it starts with a Net.ini of its own that places
# its 800 x 560 window at the top left of a 1024 x 768 screen. The folder's name shows
# under "Recent Nets", so it is always the same.
work=/tmp/plexor-guide/nets
rm -rf /tmp/plexor-guide
mkdir -p "$work"
app=""
xvfb=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf /tmp/plexor-guide
}
trap cleanup EXIT
cp "$build/app/plexor" examples/*.net "$work/"
# Recovery copies go to a data folder of the script's own.
export XDG_DATA_HOME=/tmp/plexor-guide/data
printf '[Position]\r\nLeft=0\r\nTop=0\r\nWidth=800\r\nHeight=560\r\n' >"$work/Net.ini"

d=90
while [ -e /tmp/.X$d-lock ]; do d=$((d + 1)); done
Xvfb :$d -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$d
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$d ] && break; sleep 0.1; done

key() { xdotool key --clearmodifiers "$@"; sleep 0.8; }
point() { xdotool mousemove "$1" "$2"; sleep 0.8; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.8; }
# The top-left W x H of the screen, where the editor's window lies.
shot() {
  import -window root -crop "$2x$3+0+0" +repage "$out/$1.png"
  small "$out/$1.png"
  echo "guide-pictures: docs/pictures/$1.png"
}

# Where things are in the window: the menu bar's "File" at (20, 8), its fourth item "Recent
# Nets" at (60, 72); the canvas starts 48 pixels down, and at 100 % a grid unit is 16 pixels,
# so ZEP "Lowpass" of filter-chain.net, at grid point (10, 6), has its centre at (160, 144).
(cd "$work" && exec ./plexor "$work/filter-chain.net" >/dev/null 2>&1) &
app=$!
sleep 3
shot start 800 560
key Return                 # "Start": the net named on the command line loads
shot main 800 560
click 20 8                 # "File", then "Recent Nets"
point 60 72
shot file-menu 800 560
key Escape Escape
click 160 144              # pick ZEP "Lowpass"
key Return                 # and open its properties dialog
shot properties 1040 440
key Escape                 # leave the dialog without saving
kill "$app"; wait "$app" 2>/dev/null || true

# The checks panel on a net with findings; then an unsaved change, a killed program and
# the question the next start asks.
(cd "$work" && exec ./plexor "$work/all-kinds.net" >/dev/null 2>&1) &
app=$!
sleep 3
key Return                 # "Start"
key F9                     # View / Check Net
shot check-panel 800 560
click 207 8                # "Append Element", then its first item "Append ZEP"
key Down Return
sleep 3                    # the recovery copy is written within two seconds of a change
kill -9 "$app"; wait "$app" 2>/dev/null || true
(cd "$work" && exec ./plexor >/dev/null 2>&1) &
app=$!
sleep 3
shot restore-question 1024 768
