#!/usr/bin/env bash
# Renders the PNG sizes of the icons from their SVG sources (needs
# librsvg2-bin). The PNGs are committed, so building needs no renderer; run
# this after changing an SVG.
set -euo pipefail
cd "$(dirname "$0")"
for icon in tesvik pelorin tesvik-tray; do
  for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "png/$size"
    rsvg-convert -w "$size" -h "$size" "$icon.svg" -o "png/$size/$icon.png"
  done
done
