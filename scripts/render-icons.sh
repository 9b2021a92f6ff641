#!/usr/bin/env bash
# Renders the calendar's PNG icons from its SVG drawing. Run after editing the drawing and
# commit the PNGs with it; the build uses the committed files. Needs rsvg-convert
# (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../desktop/icons"
for size in 48 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" org.velorith.Calendar.svg -o "${size}x${size}/org.velorith.Calendar.png"
done
