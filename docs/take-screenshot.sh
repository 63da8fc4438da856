#!/usr/bin/env bash
# Takes docs/screenshot.png (the main window after converting a code),
# docs/details.png (its Conversion Details, with a segment chosen),
# docs/help.png (the Help window), docs/batch-window.png (three codes
# converted at once, one refused) and docs/screenshot-ja.png (the main
# window with the system set to Japanese) of the real program under a
# virtual X server. The codes are in /tmp/player/codes, so that the paths
# shown are no build machine's own. Needs xvfb, xauth, xdotool and
# imagemagick; run after building the default preset.
set -euo pipefail
cd "$(dirname "$0")/.."
player=/tmp/player
mkdir -p "$player/codes" "$player/converted"
trap 'rm -rf "$player"' EXIT
cp tests/data/example-code.txt "$player/codes/hero.txt"
printf '106**aa1.2_m0112.3.4.5.6.7.8.9_zz1' >"$player/codes/sidekick.txt"
printf '108**zz' >"$player/codes/villain.txt"
export HOME="$player"

# Loads hero.txt through the file dialog and converts it.
load_and_convert='
    xdotool mousemove 598 70 click 1
    sleep 1
    xdotool type --delay 5 "$HOME/codes/hero.txt"
    xdotool key Return
    sleep 1
    xdotool mousemove 598 421 click 1
    sleep 1'
export load_and_convert

LANG=C.UTF-8 LANGUAGE= xvfb-run -a -s "-screen 0 1200x900x24" bash -c '
    build/bin/qvrtomorvane & app=$!
    sleep 2
    eval "$load_and_convert"
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
    xdotool key Escape
    sleep 1
    # Edit, Convert Several Codes: the three codes, then the folder.
    xdotool key alt
    sleep 0.5
    xdotool key Right Down Down Return
    sleep 1
    xdotool type --delay 5 "$HOME/codes/"
    xdotool key Return
    sleep 0.5
    xdotool type --delay 5 "\"hero.txt\" \"sidekick.txt\" \"villain.txt\""
    xdotool key Return
    sleep 1
    xdotool type --delay 5 "$HOME/converted"
    xdotool key Return
    sleep 2
    import -window "$(xdotool search --name "^Convert Several Codes\$" | tail -1)" docs/batch-window.png
    kill $app'

LANG=ja_JP.UTF-8 LANGUAGE= xvfb-run -a -s "-screen 0 1200x900x24" bash -c '
    build/bin/qvrtomorvane & app=$!
    sleep 2
    eval "$load_and_convert"
    import -window root docs/screenshot-ja.png
    kill $app'
