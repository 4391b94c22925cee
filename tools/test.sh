#!/usr/bin/env bash
# Installs the packages, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
# Every source file stays as the repository's .clang-format writes it.
mal_formes=$(git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run 2>&1 | sed -n 's/^\([^: ]*\):[0-9]*:[0-9]*: warning.*/\1/p' | sort -u)
if [[ -n "$mal_formes" ]]; then
    echo "Not formatted with clang-format:"
    echo "$mal_formes"
    exit 1
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBREVALUNE_SANITIZE=ON -DBREVALUNE_BENCH=OFF
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" --timeout 300
