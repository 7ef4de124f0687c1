#!/usr/bin/env bash
# Installs what building and running tbrwiz needs (and nothing of the tests), builds it and starts
# it. Without a display it starts it on a virtual X server instead, saves a screenshot of the main
# window into the build folder and closes it again.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

scripts/setup.sh run
cmake --preset release >/dev/null
cmake --build --preset release --target tbrwiz
exe="$top/build/release/ui/qt/tbrwiz"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$exe"
fi

shot="$top/build/release/screenshot-main-window.png"
rm -f "$shot"
echo "run: no display; starting tbrwiz on a virtual X server"
# A machine without a desktop session has no runtime folder for the program either.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
scripts/with-xvfb.sh bash -c '
    set -u
    "$1" & pid=$!
    timeout 30 xdotool search --sync --onlyvisible --name "^Tambrel Wizard$" >/dev/null &&
        sleep 0.5 && import -window root "$2"
    status=$?
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
    exit $status
' _ "$exe" "$shot" || { echo "run: the main window did not appear" >&2; exit 1; }
echo "run: screenshot of the main window saved to $shot"
