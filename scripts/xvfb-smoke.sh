#!/usr/bin/env bash
# The window tests about activation and dialogs, on a real X server (Xvfb)
# with a window manager (openbox) rather than Qt's offscreen platform: there
# the window system itself decides which window is active and keeps a dialog
# above its opener. Shares the build folder with scripts/test.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FAIRWICK_BUILD_DIR:-$root/build}
tests=${FAIRWICK_SMOKE_TESTS:-WindowFlowTest.*}

"$root/scripts/deps.sh" xvfb xauth openbox x11-utils
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S "$root" -B "$build" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target fwui_tests

runtime=$(mktemp -d "${TMPDIR:-/tmp}/fairwick-smoke-XXXXXX")
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
# openbox starts the tests once it manages windows (a window shown while it is
# still starting may never be activated), and the tests end the session.
cat >"$runtime/tests.sh" <<TESTS
#!/usr/bin/env bash
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb "$build/tests/fwui_tests" --gtest_filter='$tests'
echo \$? >"$runtime/status"
openbox --exit
TESTS
chmod +x "$runtime/tests.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" openbox --sm-disable --startup "$runtime/tests.sh"
status=$(cat "$runtime/status" 2>/dev/null || echo 1)
exit "$status"
