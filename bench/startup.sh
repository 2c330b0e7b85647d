#!/usr/bin/env bash
# Start-up time: from the launch to the first painted frame of the window, for the
# program (build/bench/focimetra_startup_probe, which starts up exactly as the
# program does) and for a minimal Qt Widgets window of the same size. Both run on
# an Xvfb server of this script's own, interleaved, after one unmeasured launch of
# each; the table gives median, min and max, and the ratio of the medians.
#
#   bench/startup.sh [--session-bus] [RUNS [BUILD_DIR]]     (defaults: 25 runs, build/)
#
# paint: to the first Paint event of the window; frame: to the end of that
# event-loop turn, the controls painted and the frame handed to the X server.
# When build/bench/first_pixels_probe is built (it needs the X11 and Xdamage
# headers), each launch also times what the server shows: first: the window's
# first pixels on the server; whole: the whole first frame there. These are
# counted alike for both programs and include the server's work on the frame
# after the program has stopped its own clock.
# --session-bus: both run with a private D-Bus session bus, as on a desktop.
# Without one, every Qt program starts dbus-launch to look for a bus when its
# accessibility bridge first connects, and waits for it.
set -euo pipefail
export LC_ALL=C  # $EPOCHREALTIME with a decimal point, sort and awk in one locale

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
session_bus=false
if [[ ${1:-} == --session-bus ]]; then
  session_bus=true
  shift
fi
runs=${1:-25}
build=${2:-$root/build}
program=$build/bench/focimetra_startup_probe
minimal=$build/bench/minimal_window_probe
on_server=$build/bench/first_pixels_probe
timed_on_server=false
if [[ -x $on_server ]]; then timed_on_server=true; fi
# shellcheck source=bench/virtual_display.sh
source "$root/bench/virtual_display.sh"
require_built "$program" "$minimal"
begin_session
if $session_bus; then start_session_bus; fi

# One launch; appends "paint frame [first whole]" in milliseconds to the
# program's file.
launch() {
  local exe=$1 out figures
  if $timed_on_server; then
    out=$("$on_server" "$exe" 2>>"$work/stderr.log") || true
  else
    out=$(FOCIMETRA_BENCH_T0=$EPOCHREALTIME "$exe" 2>>"$work/stderr.log")
  fi
  [[ $out =~ paint_ms=([0-9.]+)\ frame_ms=([0-9.]+) ]] || {
    echo "startup.sh: no figure from $exe: $out" >&2
    exit 1
  }
  figures="${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
  if $timed_on_server; then
    [[ $out =~ first_ms=([0-9.]+)\ whole_ms=([0-9.]+) ]] || {
      echo "startup.sh: the server saw no whole frame from $exe: $out" >&2
      exit 1
    }
    figures+=" ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
  fi
  echo "$figures" >>"$work/$(basename "$exe").times"
}

launch "$minimal" && launch "$program"  # fills the page cache and the font cache
rm -f "$work"/*.times
for _ in $(seq "$runs"); do
  launch "$minimal"
  launch "$program"
done

# median min max of column $2 of file $1
stats() {
  cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 }
    END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%.1f %.1f %.1f", m, v[1], v[NR] }'
}

echo "start-up under Xvfb$($session_bus && echo " with a session bus"), $runs launches each (ms)"
printf '%-22s %-7s %8s %8s %8s\n' program measure median min max
names=(paint frame)
if $timed_on_server; then names+=(first whole); fi
for column in $(seq ${#names[@]}); do
  name=${names[column - 1]}
  read -r pm pmin pmax <<<"$(stats "$work/$(basename "$program").times" "$column")"
  read -r mm mmin mmax <<<"$(stats "$work/$(basename "$minimal").times" "$column")"
  printf '%-22s %-7s %8s %8s %8s\n' focimetra "$name" "$pm" "$pmin" "$pmax"
  printf '%-22s %-7s %8s %8s %8s\n' "minimal Qt window" "$name" "$mm" "$mmin" "$mmax"
  awk -v p="$pm" -v m="$mm" -v n="$name" 'BEGIN { printf "ratio (%s, medians): %.2f\n", n, p / m }'
done
