#!/usr/bin/env bash
# Sets everything up, builds Lexivo and saves a picture of every window, taken
# on a copy of the demo installation, into the folder given (default: pictures).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
target="$(realpath -m "${1:-pictures}")"
cd "$root"

scripts/setup.sh
cmake --preset release
cmake --build --preset release --target lexivo_pictures
QT_QPA_PLATFORM=offscreen build/release/tools/lexivo_pictures demo "$target"
