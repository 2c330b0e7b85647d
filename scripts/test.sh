#!/usr/bin/env bash
# Installs what is missing, builds Focimetra twice and runs the whole test suite on
# both builds: a g++ Release build, and a clang++ Release build with the address and
# undefined-behaviour sanitizers (which also builds the fuzz targets for libFuzzer).
# Both treat warnings as errors, so the two compilers a packager meets stay quiet.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc)
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Paths relative to the clone, so that a clone in another folder reuses the cache.
  export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
fi

build_and_test() {
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -DFOCIMETRA_WERROR=ON "${launcher[@]}" "$@" >/dev/null
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

echo "== g++ Release build"
build_and_test "$root/build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++
echo "== clang++ Release build with the sanitizers (address, undefined)"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
build_and_test "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS=-g -DFOCIMETRA_SANITIZE=ON
