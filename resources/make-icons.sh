#!/usr/bin/env bash
# Regenerates the committed icon images from qvrtomorvane.svg.
# Needs librsvg2-bin (rsvg-convert) and icoutils (icotool). The letters in the
# SVG are outlines (see outline-letters.py), so no font is needed here.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 192 256 512; do
    rsvg-convert -w "$size" -h "$size" qvrtomorvane.svg -o "icons/qvrtomorvane-$size.png"
done
# 256 stays PNG inside the .ico; the small sizes are stored as 32-bit bitmaps.
icotool -c -o qvrtomorvane.ico \
    icons/qvrtomorvane-16.png icons/qvrtomorvane-24.png icons/qvrtomorvane-32.png \
    icons/qvrtomorvane-48.png -r icons/qvrtomorvane-256.png

# The same artwork on an opaque plate, for home screens: scaled about its
# centre (130, 134.5 of 256), so that a launcher that shapes icons (a
# maskable icon) keeps all of it inside its safe zone, the circle of 40% of
# the icon's size about its centre (the artwork's corners lie 146.7 from
# its centre: 0.68 of that is 99.8, within 102.4); and with a margin for
# Safari's home screen, which shows no transparency.
plated() {
    local scale=$1 translate_x translate_y
    translate_x=$(echo "128 - 130 * $scale" | bc -l)
    translate_y=$(echo "128 - 134.5 * $scale" | bc -l)
    sed -e "s|<g fill=\"#000000\">|<rect width=\"256\" height=\"256\" fill=\"#ffffff\"/><g fill=\"#000000\" transform=\"translate($translate_x $translate_y) scale($scale)\">|" \
        qvrtomorvane.svg
}
for size in 192 512; do
    plated 0.68 | rsvg-convert -w "$size" -h "$size" -o "icons/qvrtomorvane-maskable-$size.png"
done
plated 0.82 | rsvg-convert -w 180 -h 180 -o icons/qvrtomorvane-apple-touch-180.png
