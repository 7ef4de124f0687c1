#!/usr/bin/env bash
# Starts and stops the Wine environment of one build:
#   wine-prefix.sh start <state folder>   a fresh prefix, a virtual X display, one wineserver
#                                          that stays up until `stop`
#   wine-prefix.sh stop <state folder>    ends that wineserver and display, removes the prefix
# ctest runs `start` once before the Windows tests and `stop` after them (a CTest fixture).
# Set TBR_WINE_KEEP=1 to keep the prefix after `stop` for a look inside.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
action=${1:?start or stop}
state=${2:?state folder}
mkdir -p "$state"
state=$(cd "$state" && pwd)
. "$here/wine-env.sh" "$state"
log="$state/wine-prefix.log"

# Everything long-lived gets its output in the log: a process that kept ctest's pipe open would
# make ctest wait for it.
quiet() { "$@" </dev/null >>"$log" 2>&1; }

stop_all() {
    if [ -d "$WINEPREFIX" ]; then
        quiet timeout -k 5 30 wineserver -k || true
        quiet timeout -k 5 30 wineserver -w || true
    fi
    if [ -s "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid"
    fi
    rm -f "$state/display" "$state/ready"
}

start_display() {
    local fd_file="$state/display"
    : >"$fd_file"
    # Xvfb writes the number of the display it found free into the file. It never resets, so a
    # Wine program that connects just as the last one leaves is not refused.
    setsid Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset 9>"$fd_file" </dev/null \
        >>"$log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    [ -s "$fd_file" ] || { echo "wine-prefix: Xvfb did not start (see $log)" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$fd_file")"
}

start() {
    stop_all
    rm -rf "$WINEPREFIX" "$HOME"
    mkdir -p "$HOME/Desktop"
    : >"$log"
    start_display
    quiet timeout -k 5 "$TBR_WINE_BOOT_TIMEOUT" wineboot -i
    # Without a window manager Wine would wait at every message box and destroyed window for one
    # that never answers.
    quiet wine_reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    # Arial is not on a Debian machine; Liberation Sans has the same metrics.
    quiet wine_reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial \
        /d 'Liberation Sans' /f
    # As on Windows, the standard dialog font is MS Sans Serif (Wine would otherwise use Tahoma).
    quiet wine_reg add \
        'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v 'MS Shell Dlg' \
        /d 'MS Sans Serif' /f
    # Letters that the main window's label font (Arial, drawn as Liberation Sans) lacks come from
    # linked fonts, as Windows links its fonts: Arabic and Persian from DejaVu Sans (unjoined: Wine
    # shapes with the first font only), Japanese, Chinese (Simplified and Traditional) and Korean
    # from WenQuanYi Micro Hei (fonts-dejavu-core, fonts-wqy-microhei); without the links Wine
    # draws them as boxes. Hebrew stays boxes: Wine 8
    # takes Hebrew letters from the first font alone. The dialog font gets no links: MS Sans Serif
    # would then be drawn from another file of other widths, and Wine falls back for it itself.
    local face links='DejaVuSans.ttf,DejaVu Sans\0wqy-microhei.ttc,WenQuanYi Micro Hei'
    local bold_links='DejaVuSans-Bold.ttf,DejaVu Sans\0wqy-microhei.ttc,WenQuanYi Micro Hei'
    for face in Arial 'Liberation Sans'; do
        quiet wine_reg add \
            'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$face" /t REG_MULTI_SZ /d "$links" /f
        quiet wine_reg add \
            'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$face Bold" /t REG_MULTI_SZ /d "$bold_links" /f
    done
    # Wine's own fonts (Tahoma for dialogs, Marlett for the caption buttons) are not picked up
    # from where Debian installs them; in the prefix's Fonts folder they are.
    if compgen -G "/usr/share/wine/fonts/*.ttf" >/dev/null; then
        cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    quiet timeout -k 5 60 wineserver -w
    # One server for the whole run: each Wine start then costs a fraction of a second.
    quiet timeout -k 5 30 wineserver -p
    touch "$state/ready"
    echo "wine-prefix: ready in $state (display $DISPLAY)"
}

case $action in
start) start ;;
stop)
    stop_all
    [ "${TBR_WINE_KEEP:-0}" = 1 ] || rm -rf "$WINEPREFIX" "$HOME"
    echo "wine-prefix: stopped"
    ;;
*) echo "usage: $0 start|stop <state folder>" >&2; exit 2 ;;
esac
