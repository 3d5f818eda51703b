#!/usr/bin/env bash
# Installs what is missing, builds Plexor in Release and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPLEXOR_BENCH=OFF >/dev/null
cmake --build build-release --target plexor -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built build-release/app/plexor, but there is no display to show it on."
  echo "Run it on a virtual display with:  xvfb-run -a build-release/app/plexor"
  exit 0
fi
exec build-release/app/plexor
