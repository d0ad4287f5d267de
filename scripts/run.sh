#!/usr/bin/env bash
# Installs what is missing, builds Fairwick and starts it in a demo working
# folder (demo/, not tracked) seeded with the sample club on first use.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FAIRWICK_BUILD_DIR:-$root/build}
demo=${FAIRWICK_DEMO_DIR:-$root/demo}

# Told before anything is installed or built: without a display the program
# cannot start.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<MSG
Fairwick is a desktop program and no display was found (DISPLAY is not set).
Start it from a desktop session, or under a virtual display:
  sudo apt-get install xvfb && xvfb-run -a scripts/run.sh
MSG
  exit 1
fi

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target fairwick -j"$(nproc)"

if [ ! -d "$demo" ]; then
  mkdir -p "$demo"
  cp "$root"/sample/* "$demo"/
  echo "Created the demo working folder $demo"
fi

cd "$demo"
exec "$build/src/fairwick"
