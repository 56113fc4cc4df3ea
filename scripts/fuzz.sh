#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each over a copy of its seed corpus,
# so the repository's corpus never changes. Fails on the first crash, leak or
# broken invariant; the input that caused it is kept in build/fuzz/findings.
#
# Usage: scripts/fuzz.sh [seconds per target, default 30] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
shift $(($# > 0 ? 1 : 0))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(fuzz_profile fuzz_xml fuzz_language_load fuzz_language_load_oracle
             fuzz_format_symbols)
fi

cmake --preset fuzz > /dev/null
cmake --build --preset fuzz

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
findings="build/fuzz/findings"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for target in "${targets[@]}"; do
    mkdir -p "$work/$target" "$findings"
    cp -r "fuzz/corpus/$target" "$work/$target/corpus"
    echo "Fuzzing $target for ${seconds}s"
    if ! "build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="$findings/$target-" "$work/$target/corpus" > "$work/$target.log" 2>&1; then
        tail -n 60 "$work/$target.log"
        echo "$target failed; the input is in $findings" >&2
        exit 1
    fi
    grep -E '^(#[0-9]+ +DONE|Done)' "$work/$target.log"
done
