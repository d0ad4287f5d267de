#!/usr/bin/env bash
# Start-up benchmark: Fairwick from start to its main window shown, against a
# bare Qt Widgets program showing one window, each quitting as soon as its
# first window is exposed (the package test's preloaded quit hook). Prints the
# median wall time and peak memory of several runs of each, and their ratios.
# Usage: bench/startup.sh [RUNS]   (default 15; offscreen unless DISPLAY is set)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FAIRWICK_BUILD_DIR:-$root/build}
runs=${1:-15}

cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target fairwick fwbarewindow fwquithook >/dev/null
hook=$(find "$build" -name 'libfwquithook.so' | head -n 1)
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/sample/* "$work"/

# Runs the program `runs` times; prints "median-microseconds median-kilobytes".
measure() {
  local out=()
  for _ in $(seq "$runs"); do
    local start end kb
    start=$(date +%s%N)
    kb=$(cd "$work" && LD_PRELOAD="$hook" /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1)
    end=$(date +%s%N)
    out+=("$(((end - start) / 1000)) $kb")
  done
  local mid=$(((runs + 1) / 2))
  echo "$(printf '%s\n' "${out[@]}" | cut -d' ' -f1 | sort -n | sed -n "${mid}p")" \
    "$(printf '%s\n' "${out[@]}" | cut -d' ' -f2 | sort -n | sed -n "${mid}p")"
}

read -r app_s app_kb < <(measure "$build/src/fairwick")
read -r bare_s bare_kb < <(measure "$build/bench/fwbarewindow")
awk -v a="$app_s" -v b="$bare_s" -v am="$app_kb" -v bm="$bare_kb" -v n="$runs" 'BEGIN {
  printf "runs each:            %d\n", n
  printf "Fairwick main window: %.1f ms, %d kB peak\n", a / 1000, am
  printf "bare Qt window:       %.1f ms, %d kB peak\n", b / 1000, bm
  printf "ratio:                %.2f time, %.2f memory\n", (b > 0 ? a / b : 0), am / bm }'
