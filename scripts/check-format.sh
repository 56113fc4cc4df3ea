#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the tree is not formatted with
# the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
unformatted=()
for file in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$file" > /dev/null 2>&1; then
        unformatted+=("$file")
    fi
done
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not formatted with .clang-format (run clang-format -i on them):" >&2
    printf '    %s\n' "${unformatted[@]}" >&2
    exit 1
fi
