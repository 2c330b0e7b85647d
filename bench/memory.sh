#!/usr/bin/env bash
# Memory: the peak resident set of the real program with its window on screen, on
# an Xvfb server of this script's own, and the size of the program stripped.
# Each launch waits until the window is mapped, lets it idle 2 s, and reads the
# peak (VmHWM) and current (VmRSS) resident set from /proc/PID/status; the last
# launch also lists the mappings that hold the most of it.
#
#   bench/memory.sh [RUNS [BUILD_DIR]]     (defaults: 5 runs, build/)
set -euo pipefail
export LC_ALL=C

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-5}
build=${2:-$root/build}
program=$build/app/focimetra
# shellcheck source=bench/virtual_display.sh
source "$root/bench/virtual_display.sh"
require_built "$program"
command -v xdotool >/dev/null || { echo "memory.sh: xdotool is needed" >&2; exit 2; }
begin_session

kib() { awk '/^'"$1"':/ { print $2 }' "/proc/$2/status"; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

printf '%-6s %12s %12s\n' launch 'peak MiB' 'current MiB'
for i in $(seq "$runs"); do
  "$program" 2>>"$work/stderr.log" &
  pid=$!
  pids=("$pid")
  xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
  sleep 2
  hwm=$(kib VmHWM "$pid")
  rss=$(kib VmRSS "$pid")
  echo "$hwm" >>"$work/peaks"
  printf '%-6s %12s %12s\n' "$i" "$(mib "$hwm")" "$(mib "$rss")"
  if [[ $i == "$runs" ]]; then
    echo "largest resident mappings of the last launch (MiB):"
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = NF >= 6 ? $6 : "[anonymous]" }
         /^Rss:/ { rss[name] += $2 }
         END { for (n in rss) printf "%8.1f  %s\n", rss[n] / 1024, n }' "/proc/$pid/smaps" |
      sort -rn | awk 'NR <= 12'  # reads to the end: no broken pipe under pipefail
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pids=()
done
sort -n "$work/peaks" | awk '{ v[NR] = $1 }
  END { printf "peak resident set over %d launches: median %.1f MiB, max %.1f MiB\n",
        NR, (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) / 1024, v[NR] / 1024 }'

strip -o "$work/focimetra.stripped" "$program"
printf 'binary: %s bytes as built, %s bytes stripped (%.1f KiB)\n' "$(stat -c %s "$program")" \
  "$(stat -c %s "$work/focimetra.stripped")" "$(($(stat -c %s "$work/focimetra.stripped") / 1024))"
