#!/bin/sh
# Runs a command on a virtual X server of its own (no window manager), so
# that dialog tests see what a real display does: windows are mapped before
# they paint, and keys go only to the active window. Each run has its own
# server, so tests run side by side without taking each other's focus.
set -u
work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"' EXIT INT TERM

# -displayfd lets the server pick a free display and write its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/log" &
server=$!
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
done
if [ ! -s "$work/display" ]; then
    echo "The virtual X server did not start:" >&2
    cat "$work/log" >&2
    exit 1
fi
DISPLAY=":$(cat "$work/display")"
export DISPLAY
"$@"
