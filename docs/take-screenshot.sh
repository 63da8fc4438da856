#!/usr/bin/env bash
# Takes docs/screenshot.png of the real window under a virtual X server:
# loads docs/example-code.txt through the open dialog and converts it.
# Needs xvfb, xauth, xdotool and imagemagick; run after building the default preset.
set -euo pipefail
cd "$(dirname "$0")/.."
export EXAMPLE="$PWD/docs/example-code.txt"
xvfb-run -a -s "-screen 0 1200x900x24" bash -c '
    build/bin/qvrtomorvane & app=$!
    sleep 2
    xdotool mousemove 598 70 click 1
    sleep 1
    xdotool type --delay 5 "$EXAMPLE"
    xdotool key Return
    sleep 1
    xdotool mousemove 598 421 click 1
    sleep 1
    import -window root docs/screenshot.png
    kill $app'
