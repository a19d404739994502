#!/usr/bin/env bash
# Renders the icon's PNG sizes for the hicolor theme from its drawings: 16 pixels from the
# drawing made on the 16-pixel grid, the larger sizes from the full drawing. Run it after
# changing either drawing and commit the PNGs (needs rsvg-convert, Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/icons"
id=com.quillfen.Zodarc
for size in 16 24 32 48 64 128 256; do
    source=$id.svg
    [ "$size" -gt 16 ] || source=$id-16.svg
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$source" -o "${size}x${size}/$id.png"
done
