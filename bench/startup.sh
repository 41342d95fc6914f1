#!/usr/bin/env bash
# Time from launch until the first window is mapped, and peak memory, median of 10 runs, for
# Sumtopia's splash and for a minimal Qt Widgets program from the same build, under Xvfb.
# Usage: bench/startup.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-10}
build="$root/build-bench"

if [[ "${SUMTOPIA_BENCH_INNER:-}" != 1 ]]; then
    "$root/scripts/install-deps.sh" --bench
    "$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DSUMTOPIA_WERROR=OFF >/dev/null
    SUMTOPIA_BENCH_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$runs"
fi

median() {
    sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'
}

measure() { # title program...
    local title=$1
    shift
    local times=() peaks=() ms kb
    for ((i = 0; i < runs; i++)); do
        read -r ms kb < <("$build/bench/bench_mapwait" "$title" "$@")
        times+=("$ms")
        peaks+=("$kb")
    done
    echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${peaks[@]}" | median)"
}

# Warm the file cache so neither program pays for the first read of the Qt libraries.
"$build/bench/bench_mapwait" "Minimal" "$build/bench/bench_minimal_window" >/dev/null 2>&1
"$build/bench/bench_mapwait" "Math Quiz" "$build/src/sumtopia" >/dev/null 2>&1
read -r min_ms min_kb < <(measure "Minimal" "$build/bench/bench_minimal_window" 2>/dev/null)
read -r sum_ms sum_kb < <(measure "Math Quiz" "$build/src/sumtopia" 2>/dev/null)
printf "runs: %d (median)\n" "$runs"
printf "%-22s %10s %12s\n" "program" "map (ms)" "peak (kB)"
printf "%-22s %10s %12s\n" "minimal Qt window" "$min_ms" "$min_kb"
printf "%-22s %10s %12s\n" "sumtopia splash" "$sum_ms" "$sum_kb"
awk -v a="$sum_ms" -v b="$min_ms" -v c="$sum_kb" -v d="$min_kb" \
    'BEGIN { printf "ratio: time %.2f, memory %.2f (target 1.2 or less)\n", a / b, c / d }'
