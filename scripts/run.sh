#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor on the bundled sample simulator
# directory. On a machine without a display: xvfb-run -a scripts/run.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
build="${KESH_BUILD_DIR:-$root/build}"
cd "$root/sample"
exec "$build/shell/kesh" "$@"
