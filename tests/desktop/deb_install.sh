#!/usr/bin/env bash
# As root: the .deb installs for real with dpkg, its files appear, the system's MIME database
# knows .tbr documents and the installed program starts; removing and purging it takes every file
# and the type away again. Needs root (exit 77 otherwise) and leaves alone a tbrwiz package that
# was installed before.
#   usage: deb_install.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
src=$1 work=$3 have_program=$4
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
need dpkg dpkg-query gio
deb=$work/deb/tbrwiz_1.00_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { fail "no package (did desktop.deb_build run?)"; finish; }
installed() { dpkg-query -W -f='${Status}' tbrwiz 2>/dev/null | grep -q ' installed$'; }
if dpkg-query -W -f='${Status}' tbrwiz 2>/dev/null | grep -qv 'not-installed'; then
    skip "a tbrwiz package is already on this system; not touching it"
fi

# dpkg takes a lock that apt or another dpkg may hold for a while: wait for it, briefly.
dpkg_retry() {
    local out
    for _ in $(seq 1 30); do
        if out=$(DEBIAN_FRONTEND=noninteractive timeout 120 dpkg "$@" 2>&1); then
            echo "$out"
            return 0
        fi
        grep -qi 'lock' <<<"$out" || { echo "$out" >&2; return 1; }
        sleep 2
    done
    echo "$out" >&2
    return 1
}
trap 'installed && dpkg_retry --purge tbrwiz >/dev/null' EXIT

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print substr($6, 2) }')
type_xml=/usr/share/mime/application/x-tambrel.xml

out=$(dpkg_retry --install "$deb") || { fail "dpkg --install failed"; finish; }
echo "$out"
installed && pass "dpkg reports tbrwiz installed" || fail "tbrwiz is not installed after dpkg --install"
missing=0
for f in $files; do [ -e "$f" ] || { fail "$f is missing after install"; missing=1; }; done
[ "$missing" = 0 ] && pass "all $(wc -w <<<"$files") files are in place"

# The shared-mime-info trigger ran: the system database itself now knows the type.
[ -f "$type_xml" ] && pass "the system MIME database registers application/x-tambrel" ||
    fail "$type_xml is missing: the MIME database was not updated"
sample=$(mktemp -d)
make_sample_document "$src" "$sample/document.tbr"
expect "gio on the system database" \
    "$(MIME_HOME=$sample/none gio_attr /usr/share "$sample/document.tbr" standard::content-type)" \
    application/x-tambrel
rm -rf "$sample"

if [ "$have_program" = 1 ]; then
    missing_libs=$(ldd /usr/bin/tbrwiz | grep 'not found' || true)
    [ -z "$missing_libs" ] && pass "every library of /usr/bin/tbrwiz resolves" ||
        fail "unresolved libraries: $missing_libs"
    # It shows its window and waits for the user; still running after 3 s means it started.
    rc=0
    QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME="" HOME=$work timeout 3 /usr/bin/tbrwiz \
        >/dev/null 2>&1 || rc=$?
    expect "the installed program starts and keeps running (124: stopped by timeout)" "$rc" 124
fi

dpkg_retry --remove tbrwiz >/dev/null || fail "dpkg --remove failed"
left=0
for f in $files; do [ -e "$f" ] && { fail "$f is left after remove"; left=1; }; done
[ "$left" = 0 ] && pass "remove took every file away"
[ -e "$type_xml" ] && fail "application/x-tambrel is still registered after remove" ||
    pass "the MIME database no longer knows application/x-tambrel"
dpkg_retry --purge tbrwiz >/dev/null || fail "dpkg --purge failed"
expect "package state after purge" "$(dpkg-query -W -f='${Status}' tbrwiz 2>/dev/null || echo gone)" gone
finish
