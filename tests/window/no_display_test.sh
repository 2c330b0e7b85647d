#!/usr/bin/env bash
# Without a display the program says so in one line and exits with status 1,
# instead of aborting inside the toolkit.
set -uo pipefail
program=$1
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" 2>&1)
status=$?
lines=$(printf '%s\n' "$output" | grep -c .)
if [[ $status -ne 1 || $lines -ne 1 || "$output" != *"no display"* ]]; then
  echo "expected one line about the missing display and status 1, got status $status:"
  printf '%s\n' "$output"
  exit 1
fi
# A platform plugin that cannot be loaded is reported plainly as well.
output=$(QT_QPA_PLATFORM=no-such-platform timeout 20 "$program" 2>&1)
status=$?
if [[ $status -ne 1 || "$(printf '%s\n' "$output" | tail -n 1)" != *"platform plugin could not be loaded"* ]]; then
  echo "expected a plain line about the platform plugin and status 1, got status $status:"
  printf '%s\n' "$output"
  exit 1
fi
# A display that cannot be reached: one line of ours, none of the toolkit's.
display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
output=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:$display timeout 20 "$program" 2>&1)
status=$?
lines=$(printf '%s\n' "$output" | grep -c .)
if [[ $status -ne 1 || $lines -ne 1 || "$output" != *"display \":$display\" cannot be reached"* ]]; then
  echo "expected one line about the unreachable display :$display and status 1, got status $status:"
  printf '%s\n' "$output"
  exit 1
fi
