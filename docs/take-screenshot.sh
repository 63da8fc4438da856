#!/usr/bin/env bash
# Takes docs/screenshot.png (the main window after converting a code),
# docs/details.png (its Conversion Details, with a segment chosen) and
# docs/help.png (the Help window) of the real program under a virtual X
# server. The code is loaded from /tmp/player/codes/hero.txt, so that the
# path shown is no build machine's own. Needs xvfb, xauth, xdotool and
# imagemagick; run after building the default preset.
set -euo pipefail
cd "$(dirname "$0")/.."
player=/tmp/player
mkdir -p "$player/codes"
trap 'rm -rf "$player"' EXIT
cp tests/data/example-code.txt "$player/codes/hero.txt"
export HOME="$player"
xvfb-run -a -s "-screen 0 1200x900x24" bash -c '
    build/bin/qvrtomorvane & app=$!
    sleep 2
    xdotool mousemove 598 70 click 1
    sleep 1
    xdotool type --delay 5 "$HOME/codes/hero.txt"
    xdotool key Return
    sleep 1
    xdotool mousemove 598 421 click 1
    sleep 1
    import -window root docs/screenshot.png
    xdotool key F1
    sleep 1
    import -window "$(xdotool search --name "^Help\$" | tail -1)" docs/help.png
    xdotool key Escape
    sleep 1
    xdotool mousemove 48 11 click 1
    sleep 1
    xdotool key Up Return
    sleep 2
    xdotool key Down Down Down Down Down Down Down Down
    sleep 1
    import -window root -crop 880x640+142+60 docs/details.png
    sleep 1
    kill $app'
