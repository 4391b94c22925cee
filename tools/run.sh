#!/usr/bin/env bash
# Installs the packages, builds the program in Release and starts it on the
# bundled program folder. Without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBREVALUNE_BENCH=OFF
cmake --build build-release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a build-release/bin/brevalune
fi
exec build-release/bin/brevalune
