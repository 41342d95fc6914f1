#!/usr/bin/env bash
# Wall-clock time of the whole process that writes a worksheet PDF, median of RUNS runs, next to
# a minimal Qt program that writes one page of text with QPdfWriter, both from the same build
# and measured in the same run. No display is needed.
# Usage: bench/worksheet.sh [RUNS]   (BUILD_DIR overrides the build folder)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-10}
build=${BUILD_DIR:-"$root/build-bench"}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DSUMTOPIA_WERROR=OFF >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() {
    sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'
}

measure() { # program arguments...
    local times=()
    for ((i = 0; i < runs; i++)); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=("$(((end - start) / 1000))")
    done
    printf '%s\n' "${times[@]}" | median
}

minimal=("$build/bench/bench_minimal_pdf" "$work/minimal.pdf")
sheet=("$build/src/sumtopia" --worksheet multiplication --grade 6 --seed 20 --answers
    --output "$work/sheet.pdf")
# Warm the file cache so neither program pays for the first read of the libraries and fonts.
"${minimal[@]}" >/dev/null 2>&1
"${sheet[@]}" >/dev/null 2>&1

min_us=$(measure "${minimal[@]}")
sum_us=$(measure "${sheet[@]}")
printf "runs: %d (median)\n" "$runs"
printf "%-34s %10s\n" "program" "time (ms)"
awk -v t="$min_us" 'BEGIN { printf "%-34s %10.1f\n", "minimal QPdfWriter page", t / 1000 }'
awk -v t="$sum_us" 'BEGIN { printf "%-34s %10.1f\n", "sumtopia --worksheet ... --output", t / 1000 }'
awk -v a="$sum_us" -v b="$min_us" 'BEGIN { printf "ratio: %.2f (target 1.3 or less)\n", a / b }'
