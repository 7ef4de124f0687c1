#!/usr/bin/env bash
# Writes the program's icons from resources/ at the sizes a Linux desktop asks for, in the hicolor
# layout that packaging/CMakeLists.txt installs:
#   hicolor/<n>x<n>/apps/org.example.tbrwiz.png          from resources/tbrwiz.ico
#   hicolor/<n>x<n>/mimetypes/application-x-tambrel.png  from resources/document.ico
# Each size that an icon file holds (tools/draw_resources draws them) is used as it stands. The
# other sizes come from the file's largest image: whole multiples of it repeat each pixel, so they
# stay crisp; the rest average the area that each new pixel covers (each pixel repeated up to a
# common multiple of both sizes, then averaged down): softer, but no row or column of the drawing
# is dropped, as plain nearest-neighbour would do.
# The output is byte-for-byte repeatable; run it again after a change to resources/ and commit.
#   usage: make-icons.sh [output-folder]     (default: the hicolor folder beside this script)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
out=${1:-$here/hicolor}

# ImageMagick 6 by its Debian path, so that nothing else called convert on PATH is used.
im=/usr/bin/convert
[ -x "$im" ] || im=$(command -v convert-im6.q16 || true)
[ -n "$im" ] && [ -x "$im" ] || { echo "make-icons: ImageMagick (convert) not found" >&2; exit 2; }
identify=/usr/bin/identify
[ -x "$identify" ] || identify=$(command -v identify-im6.q16)

sizes=(16 22 24 32 48 64 128 256)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Frame index of the largest image of an icon file, and of one exactly <n> pixels wide (or "").
frame_of_width() { # file width
    "$identify" -format '%s %w\n' "$1" | awk -v w="$2" '$2 == w { print $1; exit }'
}
largest_frame() { # file
    "$identify" -format '%s %w\n' "$1" | sort -k2,2n -k1,1n | tail -n 1 | cut -d' ' -f1
}

# Writes a PNG with only the pixels: no time stamps or text, always 8-bit RGBA.
write_png() { # source-args... -- output
    local args=("$@")
    local dest=${args[-1]}
    unset 'args[-1]'
    mkdir -p "$(dirname "$dest")"
    "$im" "${args[@]}" -strip -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt \
        -define png:color-type=6 -define png:bit-depth=8 "PNG32:$dest"
}

scale_icon() { # icon-file output-name context
    local src=$1 name=$2 context=$3
    local big base
    big=$(largest_frame "$src")
    base=$("$identify" -format '%w' "${src}[$big]")
    "$im" "${src}[$big]" -alpha on "PNG32:$tmp/base.png"
    for n in "${sizes[@]}"; do
        local dest="$out/${n}x${n}/$context/$name.png"
        local small
        small=$(frame_of_width "$src" "$n")
        if [ -n "$small" ]; then
            write_png "${src}[$small]" -alpha on "$dest"
        elif [ $((n % base)) -eq 0 ]; then
            write_png "$tmp/base.png" -filter point -resize "${n}x${n}" "$dest"
        else
            # Repeat pixels up to the least common multiple, then average blocks down.
            local a=$n b=$base
            while [ "$b" -ne 0 ]; do local t=$((a % b)); a=$b; b=$t; done
            local lcm=$((n / a * base))
            write_png "$tmp/base.png" -filter point -resize "${lcm}x${lcm}" \
                -filter box -resize "${n}x${n}" "$dest"
        fi
    done
}

find "$out" \( -name org.example.tbrwiz.png -o -name application-x-tambrel.png \) -delete 2>/dev/null || true
scale_icon "$top/resources/tbrwiz.ico" org.example.tbrwiz apps
scale_icon "$top/resources/document.ico" application-x-tambrel mimetypes
echo "make-icons: wrote $(find "$out" -name '*.png' | wc -l) icons under $out"
