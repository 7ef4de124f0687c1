#!/usr/bin/env bash
# Installs what is missing, builds tbrwiz and starts it. Without a display it starts it on a
# virtual X server instead, saves a screenshot of the main window into the build folder and
# closes it again.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target tbrwiz
exe="$top/build/dev/ui/qt/tbrwiz"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$exe"
fi

shot="$top/build/dev/screenshot-main-window.png"
echo "run: no display; starting tbrwiz on a virtual X server"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & pid=$!
    xdotool search --sync --onlyvisible --name "^Tambrel Wizard$" >/dev/null
    sleep 0.5
    import -window root "$2"
    kill "$pid"; wait "$pid" 2>/dev/null || true
' _ "$exe" "$shot"
echo "run: screenshot of the main window saved to $shot"
