#!/usr/bin/env bash
# run_scenario.sh REPLAY SCRIPT: runs SCRIPT and compares what it prints with
# SCRIPT's .expected file (and, for a scenario that must fail, .stderr and status 2).
set -uo pipefail
replay=$1
script=$2
base=${script%.replay}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$work"
timeout 100 "$replay" "$script" >"$work/out" 2>"$work/err"
status=$?
failed=0
if [[ -f "$base.stderr" ]]; then
  [[ $status -eq 2 ]] || { echo "expected exit status 2, got $status"; failed=1; }
  grep -v -e '^QStandardPaths:' -e 'does not support propagateSizeHints' "$work/err" | diff -u "$base.stderr" - || failed=1
else
  [[ $status -eq 0 ]] || { echo "exit status $status"; cat "$work/err"; failed=1; }
fi
if [[ -f "$base.expected" ]]; then
  diff -u "$base.expected" "$work/out" || failed=1
fi
exit $failed
