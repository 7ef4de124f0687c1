#!/usr/bin/env bash
# `cmake --install` into a staging DESTDIR puts exactly the expected files where a Linux desktop
# looks for them, with icons of the sizes their folders claim. Leaves the staged tree in
# <work>/stage for the checks that follow.
#   usage: install_tree.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
build=$2 work=$3 have_program=$4
stage=$work/stage
prefix=/usr/local
rm -rf "$stage"
mkdir -p "$work"

DESTDIR=$stage timeout 60 cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install failed"; finish; }

root=$stage$prefix
mapfile -t expected < <(expected_files "$have_program")

# Exactly these files: nothing outside the prefix, and no generated cache (mime.cache,
# icon-theme.cache) that would clash with the ones the system's triggers own.
actual=$(cd "$stage" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf "${prefix#/}/%s\n" "${expected[@]}" | sort)
if [ "$actual" = "$wanted" ]; then
    pass "the staged tree holds exactly the ${#expected[@]} expected files"
else
    fail "staged files differ from the expected ones (< missing, > unexpected):"
    diff <(echo "$wanted") <(echo "$actual") | grep '^[<>]' >&2 || true
fi

if [ "$have_program" = 1 ]; then
    [ -x "$root/bin/tbrwiz" ] && pass "bin/tbrwiz is executable" || fail "bin/tbrwiz is not executable"
fi

# Width and height from the PNG header (big-endian words at bytes 16 and 20).
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }
for n in "${ICON_SIZES[@]}"; do
    for icon in "apps/$APP_ID" mimetypes/application-x-tambrel; do
        file=$root/share/icons/hicolor/${n}x${n}/$icon.png
        [ -f "$file" ] || continue
        if [ "$(head -c 8 "$file" | od -An -tx1 | tr -d ' ')" != 89504e470d0a1a0a ]; then
            fail "$icon at $n is not a PNG"
        elif [ "$(png_size "$file")" != "${n}x${n}" ]; then
            fail "$icon in ${n}x${n} is $(png_size "$file")"
        fi
    done
done
pass "every icon is a PNG of its folder's size"

# Installed files are world-readable, folders world-searchable, whatever the umask was.
bad=$(find "$stage" \( -type f ! -perm -0444 \) -o \( -type d ! -perm -0555 \) -o -perm /0022)
[ -z "$bad" ] && pass "permissions are 0644/0755" || fail "bad permissions: $bad"
finish
