#!/usr/bin/env bash
# Installs the packages, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBREVALUNE_SANITIZE=ON -DBREVALUNE_BENCH=OFF
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" --timeout 300
