#!/bin/sh
# Renders the PNG icons from the SVG (run after changing the SVG; the PNGs are
# committed). Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 48 128 256; do
    rsvg-convert -w "$size" -h "$size" io.github.vintaro.Vintaro.svg -o "icons/$size.png"
done
