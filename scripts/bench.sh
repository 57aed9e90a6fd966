#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them (core, a keystroke in the main window, opening
# the print preview), then times phonikon-cli json over 1000 files and one PDF report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPHONIKON_UI=ON -DPHONIKON_TESTS=OFF \
  -DPHONIKON_BENCH=ON >/dev/null
cmake --build build-bench
build-bench/bench/core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
export QT_QPA_PLATFORM=offscreen
build-bench/bench/window_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
build-bench/bench/print_preview_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

dir=$(mktemp -d)
for i in $(seq 1 1000); do cp examples/beispiel.dat "$dir/p$i.dat"; done
start=$(date +%s%N)
build-bench/phonikon-cli json "$dir"/*.dat >/dev/null
end=$(date +%s%N)
echo "phonikon-cli json, 1000 files: $(( (end - start) / 1000000 )) ms in all, $(( (end - start) / 1000000 )) µs per file"
start=$(date +%s%N)
build-bench/phonikon-cli pdf examples/beispiel.dat "$dir/bericht.pdf"
end=$(date +%s%N)
echo "phonikon-cli pdf, two pages: $(( (end - start) / 1000000 )) ms"
rm -rf "$dir"
