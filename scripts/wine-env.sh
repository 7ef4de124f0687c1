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
