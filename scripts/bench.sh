#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them, then times phonikon-cli json over 1000 files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPHONIKON_UI=OFF -DPHONIKON_TESTS=OFF \
  -DPHONIKON_BENCH=ON >/dev/null
cmake --build build-bench
build-bench/bench/core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

dir=$(mktemp -d)
for i in $(seq 1 1000); do cp examples/beispiel.dat "$dir/p$i.dat"; done
start=$(date +%s%N)
build-bench/phonikon-cli json "$dir"/*.dat >/dev/null
end=$(date +%s%N)
echo "phonikon-cli json, 1000 files: $(( (end - start) / 1000000 )) ms in all, $(( (end - start) / 1000000 )) µs per file"
rm -rf "$dir"
