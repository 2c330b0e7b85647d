#!/usr/bin/env bash
# Without a display the program says so in one line and exits with status 1,
# instead of aborting inside the toolkit.
set -uo pipefail
program=$1

# expect_one_line WHAT TEXT ENV...: the program, run with ENV, prints one line
# holding TEXT and exits with status 1.
expect_one_line() {
  local what=$1 text=$2
  shift 2
  output=$(env "$@" timeout 20 "$program" 2>&1)
  status=$?
  lines=$(printf '%s\n' "$output" | grep -c .)
  if [[ $status -ne 1 || $lines -ne 1 || "$output" != *"$text"* ]]; then
    echo "expected one line about $what and status 1, got status $status:"
    printf '%s\n' "$output"
    exit 1
  fi
}

expect_one_line "the missing display" "no display" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
# A platform plugin that cannot be loaded is reported plainly as well.
expect_one_line "the platform plugin" "platform plugin could not be loaded" \
  QT_QPA_PLATFORM=no-such-platform
# So is a display that cannot be reached, without the toolkit's own lines.
display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
expect_one_line "the unreachable display :$display" "display \":$display\" cannot be reached" \
  -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:$display
