#!/usr/bin/env bash
# Regenerate the raster assets (PNG) from their SVG sources.
# Usage: scripts/render-assets.sh   (works from any current directory)
set -euo pipefail

script_dir="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)"
assets_dir="$(cd -- "${script_dir}/../ui/assets" && pwd)"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "error: rsvg-convert not found (install librsvg2-bin)" >&2
    exit 1
fi

render() {
    local src="$1" dst="$2" width="$3" height="$4"
    rsvg-convert --width="${width}" --height="${height}" \
        --format=png --output="${assets_dir}/${dst}" "${assets_dir}/${src}"
    echo "rendered ${dst} (${width}x${height})"
}

# Help diagram shown in the main window (displayed at 0.65 scale).
render diagram.svg diagram.png 738 370
# The diagram as the window shows it at 1x and 2x (0.65 of 738 x 370, rounded
# up), so that the common screens need no rendering at start-up.
render diagram.svg diagram-480x241.png 480 241
render diagram.svg diagram-960x481.png 960 481

# Application icon.
for size in 32 64 128; do
    render focimetra.svg "focimetra-${size}.png" "${size}" "${size}"
done
