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
