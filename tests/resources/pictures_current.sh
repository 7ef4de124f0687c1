#!/usr/bin/env bash
# The committed pictures are byte for byte what scripts/render-pictures.sh renders from the SVG
# sources in resources/: a source changed without running the script, a rendered file edited by
# hand, or a picture left behind that the script no longer renders, fails here.
#   usage: pictures_current.sh <source-dir> <work-dir>
set -euo pipefail
src=$1 out=$2
for tool in rsvg-convert icotool /usr/bin/convert; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
rm -rf "$out"
bash "$src/scripts/render-pictures.sh" "$out" >/dev/null
rendered=$(cd "$out" && find . -type f | sort)
committed=$(cd "$src" && { find resources -name '*.bmp' -o -name '*.ico'; find packaging/icons -type f; } |
    grep -vx resources/default_document.ico | sed 's|^|./|' | sort)
failures=0
if [ "$rendered" != "$committed" ]; then
    echo "FAIL: rendered and committed pictures differ in name:"
    diff <(echo "$committed") <(echo "$rendered") | grep '^[<>]' || true
    failures=1
fi
for f in $rendered; do
    if ! cmp -s "$src/$f" "$out/$f"; then
        echo "FAIL: $f is not what render-pictures.sh renders"
        failures=1
    fi
done
if [ "$failures" -ne 0 ]; then
    echo "run scripts/render-pictures.sh and commit the sources and the pictures together" >&2
    exit 1
fi
echo "PASS: $(wc -l <<<"$rendered") pictures as rendered"
