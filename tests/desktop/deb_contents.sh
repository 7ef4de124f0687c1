#!/usr/bin/env bash
# The .deb says what it is, depends on the package of every library the program links, carries
# exactly the installed files under /usr owned by root, a stripped program, and no maintainer
# scripts: the dpkg triggers of shared-mime-info and hicolor-icon-theme refresh their caches.
#   usage: deb_contents.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
work=$3 have_program=$4
need dpkg-deb dpkg-parsechangelog
deb=$work/deb/tbrwiz_1.00_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { fail "no package (did desktop.deb_build run?)"; finish; }

field() { dpkg-deb -f "$deb" "$1"; }
expect "Package" "$(field Package)" tbrwiz
expect "Version" "$(field Version)" 1.00
expect "Architecture" "$(field Architecture)" "$(dpkg --print-architecture)"
expect "Section" "$(field Section)" utils
[ -n "$(field Maintainer)" ] && pass "Maintainer is set" || fail "no Maintainer"
[ -n "$(field Description)" ] && pass "Description is set" || fail "no Description"
grep -qw hicolor-icon-theme <<<"$(field Recommends)" && pass "Recommends hicolor-icon-theme" ||
    fail "Recommends lacks hicolor-icon-theme"
for p in shared-mime-info fonts-liberation; do
    grep -qw "$p" <<<"$(field Depends)" && pass "Depends on $p" || fail "Depends lacks $p"
done

controls=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | tr '\n' ' ')
expect "control members" "$controls" "control md5sums "

listing=$(dpkg-deb -c "$deb")
owners=$(awk '{ print $2 }' <<<"$listing" | sort -u)
expect "owner of every entry" "$owners" root/root
files=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sed 's|^\./||' | sort)
mapfile -t expected < <(expected_files "$have_program" | sed 's|^|usr/|')
if [ "$files" = "$(printf '%s\n' "${expected[@]}" | sort)" ]; then
    pass "the package holds exactly the ${#expected[@]} expected files"
else
    fail "package files differ (< missing, > unexpected):"
    diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$files") | grep '^[<>]' >&2 || true
fi

# The changelog's latest entry is this version (lintian checks its form, not its version).
changelog_version=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/tbrwiz/changelog.gz |
    gunzip | dpkg-parsechangelog -l - -S Version)
expect "changelog version" "$changelog_version" "$(field Version)"

if [ "$have_program" = 1 ]; then
    need objdump ldd dpkg-query
    x=$work/deb/extracted
    rm -rf "$x"
    dpkg-deb -x "$deb" "$x"
    exe=$x/usr/bin/tbrwiz
    if objdump -h "$exe" | grep -q '\.debug_info'; then fail "the program is not stripped"; else pass "the program is stripped"; fi

    # Every library the program names must come from a package that Depends lists.
    depends=$(field Depends)
    expect "Depends is computed" "$([ -n "$depends" ] && echo yes)" yes
    echo "Depends: $depends"
    owner_of() { # library path -> package, trying both sides of the merged /usr
        local path=$1 real
        real=$(readlink -f "$path")
        for p in "$path" "$real" "/usr${real#/usr}" "${real#/usr}"; do
            dpkg-query -S "$p" 2>/dev/null | head -n 1 | cut -d: -f1 && return 0
        done
        return 1
    }
    needed=$(objdump -p "$exe" | awk '$1 == "NEEDED" { print $2 }')
    for lib in $needed; do
        path=$(ldd "$exe" | awk -v l="$lib" '$1 == l { print $3 }')
        if [ -z "$path" ] || [ "$path" = "not" ]; then
            fail "$lib is not found on this machine"
            continue
        fi
        pkg=$(owner_of "$path") || { fail "no package owns $path"; continue; }
        if tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }' | grep -qxF "$pkg"; then
            pass "$lib: Depends lists $pkg"
        else
            fail "$lib comes from $pkg, which Depends lacks"
        fi
    done
fi
finish
