#!/usr/bin/env bash
# Sets everything up, builds Lexivo and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
scripts/fuzz.sh 30
