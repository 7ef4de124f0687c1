#!/usr/bin/env bash
# The committed pictures are what scripts/render-pictures.sh renders from the SVG sources in
# resources/: a source changed without running the script, a rendered file edited by hand, or a
# picture left behind that the script no longer renders, fails here. With the tool versions
# recorded in resources/pictures.versions the rendering is compared byte for byte; other versions
# (another Debian release) draw edges and choose palettes a little otherwise, so there each image
# of each file must have the same size, depth and number of images, and differ by at most
# 0.2 % RMS: a changed colour or shape moves it much further.
#   usage: pictures_current.sh <source-dir> <work-dir>
set -euo pipefail
src=$1 out=$2
for tool in rsvg-convert icotool /usr/bin/convert /usr/bin/compare /usr/bin/identify; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
rm -rf "$out"
bash "$src/scripts/render-pictures.sh" "$out" >/dev/null
rendered=$(cd "$out" && find . -type f | sort)
committed=$(cd "$src" && { find resources -name '*.bmp' -o -name '*.ico' -o -name pictures.versions
    find packaging/icons -type f; } | grep -vx resources/default_document.ico | sed 's|^|./|' | sort)
failures=0
if [ "$rendered" != "$committed" ]; then
    echo "FAIL: rendered and committed pictures differ in name:"
    diff <(echo "$committed") <(echo "$rendered") | grep '^[<>]' || true
    failures=1
fi
versions=./resources/pictures.versions
same_tools=0
cmp -s "$src/$versions" "$out/$versions" && same_tools=1
[ $same_tools -eq 1 ] ||
    echo "NOTE: other tool versions than recorded ($(paste -sd, "$out/$versions")): pixels compared"

# same_pixels <a> <b>: every image of a matches b's in size and depth, within the tolerance.
same_pixels() {
    local shape_a shape_b i rmse
    shape_a=$(/usr/bin/identify -format '%w %h %z %A\n' "$1")
    shape_b=$(/usr/bin/identify -format '%w %h %z %A\n' "$2")
    [ "$shape_a" = "$shape_b" ] || return 1
    for ((i = 0; i < $(wc -l <<<"$shape_a"); i++)); do
        rmse=$(/usr/bin/compare -metric RMSE "$1[$i]" "$2[$i]" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
        awk -v e="${rmse:-1}" 'BEGIN { exit !(e <= 0.002) }' || return 1
    done
}
for f in $rendered; do
    [ "$f" != "$versions" ] || continue
    cmp -s "$src/$f" "$out/$f" && continue
    [ $same_tools -eq 0 ] && same_pixels "$src/$f" "$out/$f" && continue
    echo "FAIL: $f is not what render-pictures.sh renders"
    failures=1
done
if [ "$failures" -ne 0 ]; then
    echo "run scripts/render-pictures.sh and commit the sources and the pictures together" >&2
    exit 1
fi
echo "PASS: $(($(wc -l <<<"$rendered") - 1)) pictures as rendered"
