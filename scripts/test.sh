#!/usr/bin/env bash
# Sets everything up, checks that the tree is formatted, builds every target
# (benchmarks and tools included) and runs every test: the unit and dialog
# tests under the sanitizers, the dialog tests on a virtual X server as well,
# then a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/check-format.sh
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
scripts/fuzz.sh 30
