#!/usr/bin/env bash
# Installs what is missing, checks formatting, builds and runs the whole test suite twice:
# once plainly and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh

echo "== formatting"
mapfile -t sources < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"

echo "== build and test"
scripts/build.sh "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh "$root/build-sanitize" -DSUMTOPIA_SANITIZE=ON -DSUMTOPIA_BENCHMARKS=OFF
# The runs at other display scales lay out the same code again; the plain run has them.
ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$(nproc)" --label-exclude scaled
