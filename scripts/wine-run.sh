#!/usr/bin/env bash
# Runs one Windows program under Wine, in the environment that wine-prefix.sh started for its
# build, and under a timeout (TBR_WINE_TIMEOUT seconds) so that a stuck modal box cannot hang.
#   wine-run.sh <program.exe> [arguments...]
# TBR_WINE_DPI=<dots per inch> runs the program at that display resolution, in a Wine session
# begun anew at it (wine_set_dpi in wine-env.sh); the default comes back afterwards, in a session
# begun anew again. Beginning a session ends every other program of the environment, so such runs
# must not overlap with any other.
# The build is the nearest folder above the program that holds CMakeCache.txt; TBR_WINE_STATE
# names the state folder directly. CMake uses this script as the cross-compiling emulator.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=${1:?program}
shift

state=${TBR_WINE_STATE:-}
if [ -z "$state" ]; then
    dir=$(cd "$(dirname "$exe")" && pwd)
    while [ "$dir" != / ] && [ ! -e "$dir/CMakeCache.txt" ]; do
        dir=$(dirname "$dir")
    done
    [ -e "$dir/CMakeCache.txt" ] || { echo "wine-run: no build folder above $exe" >&2; exit 2; }
    state="$dir/wine"
fi
. "$here/wine-env.sh" "$state"
if [ ! -e "$state/ready" ]; then
    echo "wine-run: no Wine environment in $state; start it with: $here/wine-prefix.sh start $state" >&2
    exit 2
fi

if [ -n "${TBR_WINE_DPI:-}" ]; then
    wine_set_dpi "$TBR_WINE_DPI"
    trap 'wine_set_dpi' EXIT
fi

# The program's output goes through files: Wine's helper processes inherit the program's output
# handles and may outlive it for a moment, which would keep a pipe (and ctest) waiting.
out=$(mktemp)
err=$(mktemp)
timeout -k 5 "$TBR_WINE_TIMEOUT" wine "$exe" "$@" </dev/null >"$out" 2>"$err"
rc=$?
cat "$out"
cat "$err" >&2
said=$(cat "$out" "$err" | wc -c)
rm -f "$out" "$err"
if [ $rc -eq 124 ]; then
    echo "wine-run: $exe timed out after $TBR_WINE_TIMEOUT s" >&2
elif [ $rc -ne 0 ] && [ "$said" -eq 0 ]; then
    # Ended in failure without a word: stopped before its own code could report anything.
    echo "wine-run: $exe ended with status $rc and printed nothing" >&2
fi
exit $rc
