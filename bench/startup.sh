#!/usr/bin/env bash
# Time from launch until the first window is mapped, and peak memory, median of 10 runs, for
# Sumtopia's splash and for a minimal Qt Widgets program from the same build, under Xvfb.
# Usage: bench/startup.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-10}
"$root/scripts/install-deps.sh" --bench
build="$root/build-bench"
"$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DSUMTOPIA_WERROR=OFF >/dev/null

measure() { # title program...
    local title=$1
    shift
    local times=() peaks=()
    for ((i = 0; i < runs; i++)); do
        read -r ms kb < <("$build/bench/bench_mapwait" "$title" "$@")
        times+=("$ms")
        peaks+=("$kb")
    done
    local median_ms median_kb
    median_ms=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}')
    median_kb=$(printf '%s\n' "${peaks[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}')
    echo "$median_ms $median_kb"
}

export -f measure
export build runs
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    # Warm the file cache so neither program pays for the first read of the Qt libraries.
    "$build/bench/bench_mapwait" "Minimal" "$build/bench/bench_minimal_window" >/dev/null
    "$build/bench/bench_mapwait" "Math Quiz" "$build/src/sumtopia" >/dev/null
    read -r min_ms min_kb < <(measure "Minimal" "$build/bench/bench_minimal_window")
    read -r sum_ms sum_kb < <(measure "Math Quiz" "$build/src/sumtopia")
    printf "runs: %d (median)\n" "$runs"
    printf "%-22s %10s %12s\n" "program" "map (ms)" "peak (kB)"
    printf "%-22s %10s %12s\n" "minimal Qt window" "$min_ms" "$min_kb"
    printf "%-22s %10s %12s\n" "sumtopia splash" "$sum_ms" "$sum_kb"
    awk -v a="$sum_ms" -v b="$min_ms" -v c="$sum_kb" -v d="$min_kb" \
        "BEGIN { printf \"ratio: time %.2f, memory %.2f (target 1.2 or less)\\n\", a / b, c / d }"
'
