#!/usr/bin/env bash
# Regenerate the raster assets (PNG) from their SVG sources.
# Usage: scripts/render-assets.sh   (works from any current directory)
set -euo pipefail

script_dir="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)"
assets_dir="$(cd -- "${script_dir}/../ui/assets" && pwd)"

for tool in rsvg-convert:librsvg2-bin optipng:optipng; do
    if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
        echo "error: ${tool%%:*} not found (install ${tool#*:})" >&2
        exit 1
    fi
done

# The rows are stored unfiltered: undoing the predictive filters rsvg-convert
# picks takes the decoder about twice as long, and the window decodes its
# pictures while it starts. Unfiltered, these pictures also compress better.
render() {
    local src="$1" dst="$2" width="$3" height="$4"
    rsvg-convert --width="${width}" --height="${height}" \
        --format=png --output="${assets_dir}/${dst}" "${assets_dir}/${src}"
    optipng -quiet -strip all -f0 -zc9 -zm8 -zs0 "${assets_dir}/${dst}"
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
