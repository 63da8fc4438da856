#!/usr/bin/env bash
# Takes docs/windows-wine.png: the Windows build of the window under Wine,
# in a Wine desktop of its own (which draws the title bar), after loading and
# converting the example code from C:\codes\hero.txt. Needs wine, xvfb,
# xauth, xdotool and imagemagick; run after building the windows preset.
set -euo pipefail
cd "$(dirname "$0")/.."
export WINEDEBUG=-all
work=$(mktemp -d)
codes=$(winepath -u 'C:\codes')
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work" "$codes"' EXIT
cmake --install build-windows --prefix "$work/app" >/dev/null
mkdir -p "$codes"
cp tests/data/example-code.txt "$codes/hero.txt"
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wine explorer /desktop=QVRtoMorvane,1240x980 "$1/app/qvrtomorvane.exe" &
    sleep 8
    xdotool key space           # "LOAD QVR FILE" has the focus
    sleep 3
    xdotool type --delay 20 "C:\\codes\\hero.txt"
    xdotool key Return
    sleep 2
    xdotool mousemove 602 446 click 1   # "CONVERT QVR TO MORVANE"
    sleep 2
    import -window root -crop 1240x980+0+0 +repage docs/windows-wine.png' shot "$work"
