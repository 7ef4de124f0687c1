#!/usr/bin/env bash
# The README's run command on a machine without a display, as root without sudo, with package
# tools that report every package missing: it must ask to install exactly the run set (no Windows
# toolchain), build tbrwiz, show it on a virtual X server, leave the screenshot and exit 0. The
# stand-in apt-get only records what it was asked, so nothing is installed.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$work/standins"
printf '#!/bin/sh\nexit 1\n' >"$work/standins/dpkg-query"
printf '#!/bin/sh\necho "$*" >>"%s/apt-calls"\n' "$work" >"$work/standins/apt-get"
printf '#!/bin/sh\n[ "$1" = -u ] && { echo 0; exit 0; }\nexec /usr/bin/id "$@"\n' >"$work/standins/id"
chmod +x "$work/standins/"*

shot="$top/build/release/screenshot-main-window.png"
env -u DISPLAY -u WAYLAND_DISPLAY PATH="$work/standins:$PATH" "$top/scripts/run.sh" ||
    fail "scripts/run.sh exited with status $?"

run_set=$(sed -e 's/#.*//' -e 's/[[:space:]]//g' "$top/scripts/packages/run.txt" | grep -v '^$' | tr '\n' ' ')
expected="update -q
install -y -q --no-install-recommends ${run_set% }"
[ "$(cat "$work/apt-calls")" = "$expected" ] || fail "apt-get was asked: $(cat "$work/apt-calls")"
grep -qE '(^| )(wine|wine64|[^ ]*mingw[^ ]*)( |$)' "$work/apt-calls" && fail "the run set holds the Windows toolchain"

[ -f "$shot" ] || fail "no screenshot at $shot"
[ "$(identify -format '%m %wx%h' "$shot")" = "PNG 1024x768" ] || fail "$shot is not a screenshot of the screen"
# The main window is on it: its banner is white and its window face is not, so the screen holds
# more than the one colour of an empty virtual display.
colours=$(convert "$shot" -format '%k' info:)
[ "$colours" -gt 10 ] || fail "the screenshot shows $colours colours: no window"
echo "run command: installed the run set only, built, left $shot"
