#!/usr/bin/env bash
# Screenshots of the Windows program's two windows as Wine draws them, for docs/:
#   scripts/wine-screenshots.sh [build folder]        (default: build/win64, configured already)
# writes docs/win32-main-window.png and docs/win32-create-wizard.png at 96 DPI, and the same at
# 192 DPI (200 %) as docs/win32-main-window@2x.png and docs/win32-create-wizard@2x.png. It uses a
# Wine environment of its own, so a test run of the same build is not disturbed.
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

shoot() { # dpi suffix
    local scale=$(($1 / 96)) main wizard
    timeout -k 5 30 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" \
        /f </dev/null >/dev/null 2>&1
    timeout -k 5 60 wine "$exe" </dev/null >/dev/null 2>&1 &
    pid=$!
    main=$(window_of "Tambrel Wizard")

    # Without a window manager the program's first window is not the active one: a click on an
    # empty spot of its client area makes it so (Wine's frame is a few pixels, the spot lies well
    # inside). Then Tab goes from "Close" to the create button, and Space presses it.
    xdotool mousemove --window "$main" $((12 * scale)) $((300 * scale)) click 1
    sleep 0.3
    xdotool key Tab space
    wizard=$(window_of "Create Tambrel")
    sleep 0.5
    import -window "$wizard" "$top/docs/win32-create-wizard$2.png"

    # From "Next >", Tab reaches the selected option and then "Cancel" (the folder box and
    # "Browse..." are disabled); Cancel brings the main window back, afresh and active.
    xdotool key Tab Tab space
    main=$(window_of "Tambrel Wizard")
    sleep 0.5
    import -window "$main" "$top/docs/win32-main-window$2.png"
    xdotool key space  # "Close"
    wait "$pid" || true
    pid=""
}

shoot 96 ""
shoot 192 "@2x"
echo "wine-screenshots: docs/win32-main-window.png, docs/win32-create-wizard.png and their @2x" \
    "versions written"
