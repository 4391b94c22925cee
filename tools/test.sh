#!/usr/bin/env bash
# Installs the packages, builds everything twice (with AddressSanitizer and
# UndefinedBehaviorSanitizer, and in Release) and runs every test through CTest
# in both builds.
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
# Compiler launcher: ccache when it is there, so a second run rebuilds little.
LANCEUR=()
if command -v ccache >/dev/null 2>&1; then
  LANCEUR=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# The sanitizer build finds memory and undefined-behaviour faults; the Release
# build is the one the program ships in (tools/run.sh), with the benchmarks
# compiled too. The whole suite runs in both, so a test that passes in one
# build only is found at once.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBREVALUNE_SANITIZE=ON -DBREVALUNE_BENCH=OFF "${LANCEUR[@]}"
cmake --build build-asan
cmake -S . -B build-release-tests -G Ninja -DCMAKE_BUILD_TYPE=Release -DBREVALUNE_BENCH=ON "${LANCEUR[@]}"
cmake --build build-release-tests
echo "== Tests, sanitizer build"
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" --timeout 300
echo "== Tests, Release build"
ctest --test-dir build-release-tests --output-on-failure -j "$(nproc)" --timeout 300
