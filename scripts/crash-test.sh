#!/usr/bin/env bash
# Crash-safe saves: a program saves the score file, the golfer list and the
# course list in a loop, and is killed with SIGKILL at random moments TRIALS
# times (default 200); after every kill each file must be exactly its old or
# its new content and load as such. Set FAIRWICK_CRASH_SEED to repeat a run.
#   scripts/crash-test.sh [TRIALS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FAIRWICK_BUILD_DIR:-$root/build}
trials=${1:-200}

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target fairwick_saveloop fairwick_crashdriver

# On disk rather than in memory, where the saves' flushes do real work.
folder=$(mktemp -d "${TMPDIR:-/var/tmp}/fairwick-crash-XXXXXX")
trap 'rm -rf "$folder"' EXIT
"$build/tests/crash/fairwick_crashdriver" "$trials" "$folder/work" \
  "$build/tests/crash/fairwick_saveloop" ${FAIRWICK_CRASH_SEED:+"$FAIRWICK_CRASH_SEED"}
