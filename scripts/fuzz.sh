#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in their own build directory and runs each for
# SECONDS seconds (default 60), one after the other, from the seeds in
# fuzz/corpus/<target>/. Any finding (a crash, a failed property, a leak, a
# hang) fails the run; the input is kept under <build>/artifacts/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FAIRWICK_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(scorefile golferlist courselist inifile conversions)

# Debian's clang, with the sanitizer and libFuzzer runtimes it only recommends.
"$root/scripts/deps.sh" clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DFAIRWICK_FUZZ=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzzers

# Longer inputs than the seeds where a file needs them to reach its limits.
max_len() {
  case $1 in
    scorefile) echo 40000 ;;
    golferlist | courselist) echo 16384 ;;
    *) echo 4096 ;;
  esac
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
mkdir -p "$build/artifacts"
# The targets' scratch folders, removed however a target ends.
scratch_base=/dev/shm
[ -d "$scratch_base" ] && [ -w "$scratch_base" ] || scratch_base=${TMPDIR:-/tmp}
FAIRWICK_FUZZ_SCRATCH=$(mktemp -d "$scratch_base/fairwick-fuzz-XXXXXX")
export FAIRWICK_FUZZ_SCRATCH
trap 'rm -rf "$FAIRWICK_FUZZ_SCRATCH"' EXIT
failed=()
for t in "${targets[@]}"; do
  # New inputs go to the build's own corpus; the seeds in the repository stay as they are.
  work="$build/corpus/$t"
  mkdir -p "$work"
  log="$build/fuzz-$t.log"
  echo "== fuzz_$t: ${seconds}s"
  if "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len="$(max_len "$t")" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" \
    "$work" "$root/fuzz/corpus/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "   ok: ${runs:-?} executions, corpus $(ls "$work" | wc -l) inputs"
  else
    echo "   FINDING (log: $log):"
    grep -E -A12 'PROPERTY FAILED|ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error' "$log" |
      head -40 || tail -40 "$log"
    failed+=("$t")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz findings in: ${failed[*]}"
  exit 1
fi
echo "fuzz: no findings"
