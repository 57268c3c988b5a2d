#!/usr/bin/env bash
# Makes the PNG sizes of the icon from data/desktop/gridmora.svg with rsvg-convert (Debian: librsvg2-bin).
# Run it after changing the SVG and commit the PNGs; the window and the installed program use them.
set -euo pipefail
cd "$(dirname "$0")/../data/desktop"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" gridmora.svg -o "icons/$size.png"
done
