#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (GUI and OpenGL tests under Xvfb).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
build="${KESH_BUILD_DIR:-$root/build}"
cd "$build"
# -noreset: Xvfb otherwise resets when its last client leaves and refuses the next test
# program that connects during the reset.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure -j"$(nproc)"
