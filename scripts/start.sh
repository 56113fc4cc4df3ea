#!/usr/bin/env bash
# Sets everything up, builds Lexivo and starts it on a scratch copy of the
# bundled demo installation, so the repository's copy is never changed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
cmake --preset release
cmake --build --preset release --target lexivo

scratch="$(mktemp -d "${TMPDIR:-/tmp}/lexivo-demo.XXXXXX")"
cp -R demo/installation/. "$scratch"
echo "Demo installation: $scratch"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No desktop session was found (DISPLAY and WAYLAND_DISPLAY are unset)."
    echo "To start Lexivo from a desktop session:"
    echo "    cd \"$scratch\" && \"$root/build/release/src/lexivo\""
    exit 0
fi

cd "$scratch"
exec "$root/build/release/src/lexivo"
