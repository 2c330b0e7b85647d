#!/usr/bin/env bash
# Installs what is missing, builds Focimetra twice (plain, and with the address and
# undefined-behaviour sanitizers) and runs the whole test suite on both builds.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc)

build_and_test() {
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

echo "== plain build"
build_and_test "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== sanitizer build (address, undefined)"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
build_and_test "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DFOCIMETRA_SANITIZE=ON
