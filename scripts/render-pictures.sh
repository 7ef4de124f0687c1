#!/usr/bin/env bash
# Renders the program's pictures from their SVG sources in resources/ into the files that the
# build embeds and the packages install. The rendered files are committed with their sources:
#   resources/banner.bmp, banner@2x.bmp   banner.svg at 317 x 81 and 634 x 162, 24-bit BMP
#   resources/create.ico, edit.ico        32 x 32 first, then 48 and 64 pixels
#   resources/tbrwiz.ico                  32 x 32 first, then 16, 24, 48, 64 and 256 pixels
#   resources/document.ico                32 and 64 pixels (the desktop's icon for documents)
#   packaging/icons/hicolor/<n>x<n>/apps/org.example.tbrwiz.png        tbrwiz.svg
#   packaging/icons/hicolor/<n>x<n>/mimetypes/application-x-tambrel.png document.svg
# Every size is rendered from the vector source, none enlarged from another. The icons hold
# 256-colour images with a transparency mask; the desktop's PNGs are in full colour.
# resources/default_document.ico is not rendered: every new document carries its exact bytes.
#
# rsvg-convert (librsvg2-bin) draws the SVG at each size; ImageMagick reduces an icon image to 256
# colours with an on-off mask and writes the BMPs; icotool (icoutils) puts the images into ICO
# files with 8 bits per pixel and a mask at every size (ImageMagick would store the 256-pixel
# image as PNG and choose the depth itself). The output is the same on every run.
#   usage: render-pictures.sh [output-folder]   (default: the source tree; the check in
#                                                 tests/resources renders into a folder of its own)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top}
src=$top/resources

# ImageMagick by its Debian path, so that nothing else called convert on PATH is used.
im=/usr/bin/convert
for tool in rsvg-convert icotool "$im"; do
    command -v "$tool" >/dev/null || {
        echo "render-pictures: $tool is missing (Debian: librsvg2-bin, icoutils, imagemagick)" >&2
        exit 2
    }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out/resources"

# banner.svg at 1x and 2x: 24-bit BMP on white, declaring 96 and 192 dots per inch (3780 and
# 7559 pixels per metre; ImageMagick truncates the product, hence the extra digit).
banner() { # scale pixels-per-centimetre output
    rsvg-convert -w $((317 * $1)) -h $((81 * $1)) "$src/banner.svg" -o "$tmp/banner.png"
    "$im" "$tmp/banner.png" -background white -alpha remove -alpha off -type TrueColor \
        -units PixelsPerCentimeter -density "$2" "BMP3:$out/resources/$3"
}
banner 1 37.805 banner.bmp
banner 2 75.595 banner@2x.bmp

# One image of an icon: drawn at n x n, every pixel at least half covered made opaque and the
# others transparent and black, then reduced to 256 colours without dithering.
icon_image() { # svg size output-png
    rsvg-convert -w "$2" -h "$2" "$1" -o "$tmp/drawn.png"
    local mask=(-channel A -threshold 50% +channel -background black -alpha background)
    "$im" "$tmp/drawn.png" "${mask[@]}" +dither -colors 256 "${mask[@]}" "PNG32:$3"
}
icon() { # name sizes...
    local name=$1 images=()
    shift
    for n in "$@"; do
        icon_image "$src/$name.svg" "$n" "$tmp/$name-$n.png"
        images+=("$tmp/$name-$n.png")
    done
    # icotool keeps 24 bits, with only a warning, where an image has more than 256 colours.
    icotool -c -b 8 -o "$out/resources/$name.ico" "${images[@]}" 2>"$tmp/icotool.log"
    if [ -s "$tmp/icotool.log" ]; then
        cat "$tmp/icotool.log" >&2
        exit 1
    fi
}
icon create 32 48 64
icon edit 32 48 64
icon tbrwiz 32 16 24 48 64 256
icon document 32 64

# The desktop's icons at the sizes a Linux desktop asks for, in the hicolor layout that
# packaging/CMakeLists.txt installs.
for n in 16 22 24 32 48 64 128 256; do
    folder=$out/packaging/icons/hicolor/${n}x$n
    mkdir -p "$folder/apps" "$folder/mimetypes"
    rsvg-convert -w "$n" -h "$n" "$src/tbrwiz.svg" -o "$folder/apps/org.example.tbrwiz.png"
    rsvg-convert -w "$n" -h "$n" "$src/document.svg" \
        -o "$folder/mimetypes/application-x-tambrel.png"
done
# The tools' versions: with the same versions the output is the same byte for byte (the check in
# tests/resources compares bytes then, and pixels within a tolerance otherwise).
{
    rsvg-convert --version
    "$im" -version | head -1 | cut -d' ' -f2-3
    icotool --version | head -1
} >"$out/resources/pictures.versions"
echo "render-pictures: wrote the pictures under $out"
