#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the core and window tests, the core tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer, and a short fuzzing run of the
# project-file reader. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "== Build and test"
bash scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs" | tee -a "$log"

echo "== Core tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPHONIKON_UI=OFF \
  -DPHONIKON_SANITIZE=ON >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" | tee -a "$log"

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== Fuzzing the project-file reader"
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPHONIKON_UI=OFF -DPHONIKON_TESTS=OFF -DPHONIKON_FUZZ=ON >/dev/null
  cmake --build build-fuzz
  ctest --test-dir build-fuzz --output-on-failure | tee -a "$log"
fi
echo "== All tests passed"
# One closing line over both ctest runs (each failing run has already stopped the script).
total=$(grep -oE 'tests failed out of [0-9]+' "$log" | awk '{s += $NF} END {print s + 0}')
echo "$total passed, 0 failed"
