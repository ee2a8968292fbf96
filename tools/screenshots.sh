#!/usr/bin/env bash
# Writes screenshots of the desktop program on the demo house into a folder:
#   tools/screenshots.sh [OUTPUT_DIR] [BUILD_DIR]
# (defaults: build/screenshots and build/release). It builds the program first, then runs the
# screenshot tool under Xvfb when xvfb-run is installed, else on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
build=${2:-build/release}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELVO_TESTS=OFF
fi
cmake --build "$build" --target belvo-screenshots demo_projects
mkdir -p "$out"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1400x1000x24" "$build/tools/belvo-screenshots" "$build/data" "$out"
else
  QT_QPA_PLATFORM=offscreen "$build/tools/belvo-screenshots" "$build/data" "$out"
fi
echo "Screenshots in $out"
