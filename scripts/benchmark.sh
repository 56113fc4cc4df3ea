#!/usr/bin/env bash
# Sets everything up, builds the benchmarks in Release and prints every figure
# beside its limit, each measured against the physical limit in the same run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
cmake --preset release
cmake --build --preset release --target \
    bench_profile bench_language_store bench_web_store bench_editor_model bench_main_window \
    bench_check bench_overview

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
status=0
for bench in bench_profile bench_language_store bench_web_store bench_editor_model \
             bench_main_window bench_check bench_overview; do
    echo
    echo "== $bench"
    QT_QPA_PLATFORM=offscreen "build/release/bench/$bench" || status=1
done
exit $status
