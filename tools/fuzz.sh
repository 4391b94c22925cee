#!/bin/sh
# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehavior-
# Sanitizer) and runs one target on its seed corpus for a bounded time. Run by
# hand, never by CI.
#
#   tools/fuzz.sh TARGET SECONDS [JOBS]
#
# TARGET is a file name of fuzz/ without "_fuzz.cpp" or with it (Image,
# Image_fuzz). JOBS parallel processes (default 1) share the time. New inputs
# go to build-fuzz/corpus/TARGET, crashing ones to build-fuzz/crash/TARGET:
# the seed corpus in the repository is only read.
set -eu
if [ $# -lt 2 ]; then
    echo "usage: $0 TARGET SECONDS [JOBS]" >&2
    exit 2
fi
cible=${1%_fuzz}_fuzz
secondes=$2
jobs=${3:-1}
racine=$(cd "$(dirname "$0")/.." && pwd)
build=$racine/build-fuzz

CC=clang CXX=clang++ cmake -S "$racine" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBREVALUNE_FUZZ=ON -DBREVALUNE_BENCH=OFF >/dev/null
cmake --build "$build" --target "$cible" -j4

graines=$racine/fuzz/corpus/${cible%_fuzz}
travail=$build/corpus/${cible%_fuzz}
crashs=$build/crash/${cible%_fuzz}
mkdir -p "$travail" "$crashs"
[ -d "$graines" ] || graines=
cd "$build"
paralleles=
[ "$jobs" -gt 1 ] && paralleles="-jobs=$jobs -workers=$jobs"
# The limits are the readers' to keep: an input that makes them allocate more,
# or work longer, is a fault to mend.
exec "$build/bin/$cible" -max_total_time="$secondes" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=1024 \
    -print_final_stats=1 -artifact_prefix="$crashs/" $paralleles "$travail" $graines
