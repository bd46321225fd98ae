#!/usr/bin/env bash
# Builds the project and runs every test: first the normal build (gcc), then the sanitized build
# (clang with AddressSanitizer, UndefinedBehaviorSanitizer and the libFuzzer targets). Both treat
# compiler warnings as errors.
# Usage: scripts/test.sh [--quick | --sanitize]
#   --quick     only the normal build
#   --sanitize  only the sanitized build
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=all
case "${1:-}" in
  --quick) mode=normal ;;
  --sanitize) mode=sanitize ;;
  "") ;;
  *) echo "usage: scripts/test.sh [--quick | --sanitize]" >&2; exit 2 ;;
esac
jobs=$(nproc)

build_and_test() {
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 900
}

export QT_QPA_PLATFORM=offscreen
if [ "$mode" != sanitize ]; then
  echo "== normal build =="
  build_and_test "$root/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WERROR=ON
fi
if [ "$mode" != normal ]; then
  echo "== sanitized build (ASan + UBSan) =="
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  build_and_test "$root/build/sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WERROR=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQV_SANITIZE=ON -DQV_FUZZ=ON -DQV_BUILD_BENCH=OFF
fi
echo "all tests passed"
