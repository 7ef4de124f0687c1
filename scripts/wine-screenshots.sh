#!/usr/bin/env bash
# Screenshots of the Windows program's two windows as Wine draws them, for docs/:
#   scripts/wine-screenshots.sh [build folder]        (default: build/win64, configured already)
# writes docs/win32-main-window.png and docs/win32-create-wizard.png. It uses a Wine environment
# of its own, so a test run of the same build is not disturbed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build/win64}" && pwd)
cmake --build "$build" --target tbrwiz >/dev/null
exe="$build/ui/win32/tbrwiz.exe"
state="$build/wine-screenshots"

"$top/scripts/wine-prefix.sh" start "$state" >/dev/null
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    "$top/scripts/wine-prefix.sh" stop "$state" >/dev/null
}
trap cleanup EXIT
. "$top/scripts/wine-env.sh" "$state"

# The visible X window of a title, waiting for it at most 20 seconds.
window_of() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1
}

timeout -k 5 60 wine "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
main=$(window_of "Tambrel Wizard")

# Controls are clicked at client coordinates plus Wine's frame: 3 pixels on the left and a
# 19-pixel caption and 3-pixel frame on top. Command1 lies at client (24, 104), 65 x 65.
xdotool mousemove --window "$main" 59 158 click 1
wizard=$(window_of "Create Tambrel")
sleep 0.5
import -window "$wizard" "$top/docs/win32-create-wizard.png"

# Cancel (client 232, 208, 73 x 25) brings the main window back, afresh; shown from an active
# window it is the active one, as on a desktop (without a window manager the first window of
# the program is not).
xdotool mousemove --window "$wizard" 271 242 click 1
main=$(window_of "Tambrel Wizard")
sleep 0.5
import -window "$main" "$top/docs/win32-main-window.png"
echo "wine-screenshots: docs/win32-main-window.png and docs/win32-create-wizard.png written"
