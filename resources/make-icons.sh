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
