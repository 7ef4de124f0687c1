#!/usr/bin/env bash
# `cpack -G DEB` builds the package from the install rules; the .deb is left in <work>/deb for
# the checks that follow.
#   usage: deb_build.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
build=$2 work=$3
need cpack dpkg-deb dpkg-shlibdeps
out=$work/deb
rm -rf "$out"
mkdir -p "$out"
if ! timeout 300 cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    fail "cpack -G DEB failed"
    finish
fi
want=tbrwiz_1.00_$(dpkg --print-architecture).deb
expect "package file" "$(cd "$out" && ls -- *.deb)" "$want"
finish
