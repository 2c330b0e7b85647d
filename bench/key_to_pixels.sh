#!/usr/bin/env bash
# Key to pixels: the time from a key press (XTEST) to the first changed pixels on
# the X server (a DAMAGE event on the root window inside the program's window),
# and to the last pixels the key changed (the window then draws nothing for 60 ms),
# for the real program and, when it is installed, for SpeedCrunch beside it, on an
# Xvfb server of this script's own. Each program gets KEYS presses alternating "5"
# and BackSpace, in batches taken in turn so that both see the same load:
# focimetra into Txt_ang_f with Txt_ang_L at 10 (the field and the eighteen angle
# values change with every key), SpeedCrunch into its expression editor.
#
#   bench/key_to_pixels.sh [--field-only] [KEYS [BUILD_DIR]]   (defaults: 400 keys, build/)
#
# --field-only leaves Txt_ang_L empty, so that a key changes the field and no
# value: the window's cost of a key without the values it recalculates.
#
# Needs xdotool, and the probe, which is built when libX11, libXtst and libXdamage
# headers are installed (scripts/setup.sh installs them).
set -euo pipefail
export LC_ALL=C

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
length=(1 0)
if [[ ${1:-} == --field-only ]]; then
  length=()
  shift
fi
keys=${1:-400}
build=${2:-$root/build}
program=$build/app/focimetra
probe=$build/bench/key_to_pixels_probe
# shellcheck source=bench/virtual_display.sh
source "$root/bench/virtual_display.sh"
require_built "$program" "$probe"
command -v xdotool >/dev/null || { echo "key_to_pixels.sh: xdotool is needed" >&2; exit 2; }
begin_session
export HOME=$work/home  # SpeedCrunch keeps its settings and history there
mkdir -p "$HOME"

# Starts a program; $window is its top-level window once it is on screen.
start() {
  "$@" >>"$work/stderr.log" 2>&1 &
  pids+=($!)
  window=$(xdotool search --sync --onlyvisible --pid "$!" | head -n 1)
}

start "$program"
focimetra=$window
# Txt_ang_L is seventh in the tab order from the first field; Shift+Tab then
# selects Txt_ang_f.
xdotool windowfocus --sync "$focimetra"
xdotool key --delay 20 Tab Tab Tab Tab Tab Tab Tab "${length[@]}" shift+Tab
targets=("focimetra=$focimetra")

if command -v speedcrunch >/dev/null; then
  start speedcrunch
  speedcrunch=$window
  xdotool windowmove "$speedcrunch" 820 0
  targets+=("speedcrunch=$speedcrunch")
else
  echo "(speedcrunch is not installed: focimetra alone)"
fi
sleep 1  # both idle: fonts loaded, first frames painted

echo "key to pixels under Xvfb, $keys keys each, interleaved in batches of 20 (ms)"
echo "first: to the first changed pixels; whole: to the last pixels the key changed"
"$probe" "$keys" 20 "${targets[@]}" | awk '{
    for (i = 2; i <= NF; ++i) { split($i, kv, "="); v[kv[1]] = kv[2] }
    if (NR == 1) printf "%-12s %6s %8s %8s %8s %8s %7s %13s %10s\n", "program", "keys", "median", "p90", "p99", "max", "missed", "whole median", "whole p99"
    printf "%-12s %6s %8s %8s %8s %8s %7s %13s %10s\n", $1, v["keys"], v["median_ms"], v["p90_ms"], v["p99_ms"], v["max_ms"], v["missed"], v["whole_median_ms"], v["whole_p99_ms"]
  }'
