#!/usr/bin/env bash
# The real program's command line, run without any display: what it prints, on which stream and
# with which status. Refused arguments and the informational options write nothing; Qt's own
# options still start the windows (offscreen: still running after 3 s is started).
#   usage: command_line.sh <tbrwiz>
set -euo pipefail
exe=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
home=$tmp/home runtime=$tmp/runtime
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
failures=0

# row <status> <stream> <text> <environment> [argument...]
#   stream: out (first line of standard output; nothing on standard error), err (standard error
#   is this one line, nothing on standard output), last (the last line of standard error),
#   none (nothing on standard output). Environment: - or NAME=value, several apart by spaces.
row() {
    local status=$1 stream=$2 text=$3 extra=$4 got=0
    shift 4
    local env=(PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$runtime")
    local extras
    read -ra extras <<<"$extra"
    [ "$extra" = - ] || env+=("${extras[@]}")
    (cd "$home" && env -i "${env[@]}" timeout 3 "$exe" "$@" >"$tmp/out" 2>"$tmp/err") || got=$?
    local what problem=""
    what="tbrwiz $(printf '%q ' "$@")($extra)"
    [ "$got" = "$status" ] || problem="status $got, want $status"
    case $stream in
    out) [ "$(head -n 1 "$tmp/out")" = "$text" ] && [ ! -s "$tmp/err" ] ||
        problem+=" stdout '$(head -n 1 "$tmp/out")' stderr '$(cat "$tmp/err")'" ;;
    err) [ "$(cat "$tmp/err")" = "$text" ] && [ "$(wc -l <"$tmp/err")" = 1 ] && [ ! -s "$tmp/out" ] ||
        problem+=" stderr '$(cat "$tmp/err")' stdout '$(cat "$tmp/out")'" ;;
    last) [ "$(tail -n 1 "$tmp/err")" = "$text" ] || problem+=" stderr '$(cat "$tmp/err")'" ;;
    none) [ ! -s "$tmp/out" ] || problem+=" stdout '$(cat "$tmp/out")'" ;;
    esac
    if [ "$status" != 124 ] && [ -n "$(ls -A "$home")" ]; then
        problem+=" wrote $(ls -A "$home")"
    fi
    if [ -n "$problem" ]; then
        echo "FAIL: $what: $problem" >&2
        failures=$((failures + 1))
    else
        echo "ok: $what"
    fi
    rm -rf "${home:?}"/* "${home:?}"/.[!.]*
}

see=" (see 'tbrwiz --help')"
row 0 out "Usage: tbrwiz [--help | --version]" - --help
row 0 out "Usage: tbrwiz [--help | --version]" - -h
row 0 out "tbrwiz 1.00" - --version
row 0 out "tbrwiz 1.00" - -v
row 2 err "tbrwiz: unknown option '--frobnicate'$see" - --frobnicate
row 2 err "tbrwiz: unexpected argument 'My notes.tbr'$see" - "My notes.tbr"
row 2 err "tbrwiz: unexpected argument 'a\\x0ab'$see" - "a
b"
row 2 err "tbrwiz: option '--style' needs a value$see" - --help --style
row 1 err "tbrwiz: cannot open the display: neither DISPLAY nor WAYLAND_DISPLAY is set" -
row 1 err "tbrwiz: cannot open the display: DISPLAY is not set" - -platform xcb
row 1 last "tbrwiz: cannot open the display" DISPLAY=:no-such-display
row 124 none "" - -platform offscreen --style Fusion -reverse
row 124 none "" QT_QPA_PLATFORM=offscreen
# In the user's language, from before the toolkit starts to the display it cannot open.
row 0 out "Aufruf: tbrwiz [--help | --version]" LANGUAGE=de --help
nbsp=$(printf '\xc2\xa0')  # French puts a no-break space before a colon
row 2 err "tbrwiz${nbsp}: option inconnue '--frobnicate' (voir 'tbrwiz --help')" \
    LC_ALL=fr_FR.UTF-8 --frobnicate
row 1 last "tbrwiz: ディスプレイを開けません" "LANGUAGE=ja DISPLAY=:no-such-display"

[ "$failures" = 0 ] || { echo "$failures row(s) failed" >&2; exit 1; }
echo "all rows passed"
