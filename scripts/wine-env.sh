# Sourced by the other wine-*.sh scripts: the environment of every Wine run for one build.
#   . wine-env.sh <state folder>
# The state folder holds the Wine prefix, a HOME with a Desktop folder, and the number of the
# virtual X display that scripts/wine-prefix.sh started for it.
tbr_wine_state=$1
mkdir -p "$tbr_wine_state"
tbr_wine_state=$(cd "$tbr_wine_state" && pwd)  # Wine wants an absolute prefix
export WINEPREFIX="$tbr_wine_state/prefix"
export HOME="$tbr_wine_state/home"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
export WINEARCH=win64
unset WINESERVER WINELOADER
if [ -s "$tbr_wine_state/display" ]; then
    export DISPLAY=":$(head -n1 "$tbr_wine_state/display")"
fi
# Timeouts, in seconds, for one Wine run and for the prefix's first start.
: "${TBR_WINE_TIMEOUT:=110}"
: "${TBR_WINE_BOOT_TIMEOUT:=180}"
# wine_reg <reg's arguments>: Wine's reg.exe under a timeout, printing what it printed. Now and
# then Wine fails to start reg.exe and prints why instead (with no "reg:" of reg's own); such a
# run is tried again.
wine_reg() {
    local out rc try
    for try in 1 2 3; do
        rc=0
        out=$(timeout -k 5 60 wine reg "$@" </dev/null 2>/dev/null) || rc=$?
        out=${out//$'\r'/}
        if [ "$rc" = 0 ] || [[ $out == reg:* ]]; then
            break
        fi
        echo "wine_reg: reg $1 $2, try $try: $out" >&2
    done
    printf '%s\n' "$out"
    return "$rc"
}
# wine_set_dpi [dots per inch]: the display resolution for the programs started from now on, or
# the default (96) without one, applied as Windows applies a changed display scaling at the next
# sign-in: LogPixels is written, then this environment's Wine session is ended and begun again
# (one wineserver that stays up, as wine-prefix.sh starts it). A per-monitor-aware window takes its
# monitor's DPI, and Wine 10 sets that when the session begins (Wine 8 at each program's start).
# Every Wine program of this environment that is still running ends with the session.
wine_set_dpi() {
    local key='HKCU\Control Panel\Desktop' log="$tbr_wine_state/wine-prefix.log"
    if [ -n "${1:-}" ]; then
        wine_reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null || return
    else
        wine_reg delete "$key" /v LogPixels /f >/dev/null || true  # fails where there is none
    fi
    # The new server keeps no pipe of its caller open: its output goes to the environment's log.
    timeout -k 5 30 wineserver -k </dev/null >>"$log" 2>&1 || true  # fails where none runs
    timeout -k 5 30 wineserver -w </dev/null >>"$log" 2>&1 || true
    timeout -k 5 30 wineserver -p </dev/null >>"$log" 2>&1
}
