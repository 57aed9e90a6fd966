#!/usr/bin/env bash
# Configures and builds the program, the command-line tool and the tests into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPHONIKON_UI=ON -DPHONIKON_TESTS=ON >/dev/null
cmake --build build
