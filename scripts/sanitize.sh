#!/usr/bin/env bash
# Builds Fairwick with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test, window tests included, stopping at the first finding.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FAIRWICK_SANITIZE_BUILD_DIR:-$root/build-sanitize}

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DFAIRWICK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
