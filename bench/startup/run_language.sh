#!/usr/bin/env bash
# Start-up in another language against English: tbrwiz with LANGUAGE=<language> (its catalogue,
# Qt's own translations, the banner's words written, the layout fitted to longer texts) against
# tbrwiz in English, on a virtual X server of its own. Prints Markdown for bench/README.md.
#
#   bench/startup/run_language.sh <build folder> <language> <its main window's title> [runs]
#
# Builds nothing: cmake --build <build folder> -j2 --target tbrwiz startup_probe
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
if [ $# -lt 3 ] || [ $# -gt 4 ]; then
    echo "usage: $0 <build folder> <language> <title> [runs]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
language=$2 title=$3 runs=${4:-20}
program=$build/ui/qt/tbrwiz
probe=$build/bench/startup/startup_probe
for f in "$program" "$probe"; do
    [ -x "$f" ] || { echo "$0: $f is missing; build it first" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The same program twice, each in its language: the wrapper becomes the program (exec), so the
# window names the process the probe started.
for name in "$language" en; do
    value=$language
    [ "$name" = en ] && value=""
    printf '#!/bin/sh\nLANGUAGE=%s exec %s\n' "$value" "$program" >"$work/tbrwiz-$name"
    chmod +x "$work/tbrwiz-$name"
done
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= LC_ALL=C.UTF-8

echo "$(date +%F), $(nproc) cores, tbrwiz in $language against tbrwiz in English," \
     "$runs alternating runs each after one warm-up, load average before:" \
     "$(cut -d' ' -f1-3 /proc/loadavg)"
echo
timeout 900 "$top/scripts/with-xvfb.sh" -s "-screen 0 1280x1024x24" \
    "$probe" --runs "$runs" --time-goal 1.05 --memory-goal 1.05 --first-drawing-goal none \
    --last-drawing-goal none --program-title "$title" \
    "Tambrel Wizard" "$work/tbrwiz-$language" "$work/tbrwiz-en"
