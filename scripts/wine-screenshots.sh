#!/usr/bin/env bash
# Screenshots of the Windows program's two windows as Wine draws them, for docs/:
#   scripts/wine-screenshots.sh [build folder]        (default: build/win64, configured already)
# writes docs/win32-main-window.png and docs/win32-create-wizard.png at 96 DPI, and the same at
# 192 DPI (200 %) as docs/win32-main-window@2x.png and docs/win32-create-wizard@2x.png; then both
# windows in German, Japanese, Korean, Traditional Chinese, Arabic and Persian at 96 DPI as
# docs/win32-main-window-de.png, docs/win32-create-wizard-de.png, ... (-ja, -ko, -zh_TW, -ar, -fa):
# Wine takes the user's language from LC_ALL.
# It uses a Wine environment of its own, so a test run of the same build is not disturbed.
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

# The program's visible X window other than the one given (the only windows on this display are
# the program's), waiting for it at most 20 seconds.
window_besides() {
    local found
    for _ in $(seq 200); do
        found=$(xdotool search --onlyvisible --name . 2>/dev/null | grep -v -x -e "${1:-none}" |
                head -n1 || true)
        [ -n "$found" ] && { echo "$found"; return; }
        sleep 0.1
    done
    echo "wine-screenshots: no window appeared" >&2
    return 1
}

shoot() { # dpi suffix [locale]
    local scale=$(($1 / 96)) main wizard
    wine_set_dpi "$1"  # in a session begun anew at that resolution
    LC_ALL=${3:-C.UTF-8} timeout -k 5 60 wine "$exe" </dev/null >/dev/null 2>&1 &
    pid=$!
    main=$(window_besides)

    # Without a window manager the program's first window is not the active one: a click on an
    # empty spot of its client area makes it so (Wine's frame is a few pixels, the spot lies well
    # inside). Then Tab goes from "Close" to the create button, and Space presses it.
    xdotool mousemove --window "$main" $((12 * scale)) $((300 * scale)) click 1
    sleep 0.3
    xdotool key Tab space
    wizard=$(window_besides "$main")
    sleep 0.5
    import -window "$wizard" "$top/docs/win32-create-wizard$2.png"

    # From "Next >", Tab reaches the selected option and then "Cancel" (the folder box and
    # "Browse..." are disabled); Cancel brings the main window back, afresh and active. A click
    # on an empty spot first makes sure that the keys reach the wizard.
    xdotool mousemove --window "$wizard" $((12 * scale)) $((190 * scale)) click 1
    sleep 0.3
    xdotool key Tab Tab space
    main=$(window_besides "$wizard")
    sleep 0.5
    import -window "$main" "$top/docs/win32-main-window$2.png"
    xdotool key space  # "Close"
    wait "$pid" || true
    pid=""
}

# The fonts the windows ask for: Arial (the main window's labels) and the dialog font.
fonts() { # Arial's face, the dialog font's face
    wine_reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d "$1" /f >/dev/null
    wine_reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v 'MS Shell Dlg' /d "$2" /f >/dev/null
}

shoot 96 ""
shoot 192 "@2x"
for pair in de:de_DE ja:ja_JP ko:ko_KR zh_TW:zh_TW; do  # a picture's suffix, its locale
    shoot 96 "-${pair%%:*}" "${pair#*:}.UTF-8"
done
# On Windows Arial and the dialog font hold Arabic and Persian letters; Wine joins them only in a
# window's own font, never in a linked one. These pictures take DejaVu Sans for both, which holds
# and joins them, as Windows would show them.
fonts "DejaVu Sans" "DejaVu Sans"
for language in ar_SA fa_IR; do
    shoot 96 "-${language%_*}" "$language.UTF-8"
done
fonts "Liberation Sans" "MS Sans Serif"
echo "wine-screenshots: docs/win32-main-window.png, docs/win32-create-wizard.png, their @2x" \
    "versions and the German, Japanese, Korean, Traditional Chinese, Arabic and Persian ones written"
