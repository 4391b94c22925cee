#!/bin/sh
# Times the program's start, from the process's start to the main window
# shown, on the bundled program folder under the offscreen platform, in a
# Release build. Run by hand, never by CI.
#
#   tools/demarrage.sh [RUNS]
#
# Prints each run's milliseconds and the best and median of them. The
# settings file gets a language if it has none, so that no first-start
# question waits for an answer.
set -eu
runs=${1:-10}
racine=$(cd "$(dirname "$0")/.." && pwd)
build=$racine/build-bench
cmake -S "$racine" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBREVALUNE_BENCH=ON >/dev/null
cmake --build "$build" --target demarrage
ini=$build/bin/brevalune.ini
grep -q '^Langue=' "$ini" 2>/dev/null || printf '[General]\nLangue=fr\n' >>"$ini"
export QT_QPA_PLATFORM=offscreen
temps=""
i=0
while [ $i -lt "$runs" ]; do
    t=$("$build/bin/demarrage" 2>/dev/null)
    echo "run $((i + 1)): $t ms"
    temps="$temps $t"
    i=$((i + 1))
done
echo $temps | tr ' ' '\n' | sort -n | awk '{ v[NR] = $1 } END { printf "best %d ms, median %d ms over %d runs\n", v[1], v[int((NR + 1) / 2)], NR }'
