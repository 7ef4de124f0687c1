#!/usr/bin/env bash
# Debian's package checker finds nothing in the .deb at its default level (no error, no
# warning), and its informational level reports no missing hardening. Lintian run as root says
# that root is not recommended; that notice alone is no finding.
#   usage: deb_lintian.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
work=$3
need lintian
deb=$work/deb/tbrwiz_1.00_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { fail "no package (did desktop.deb_build run?)"; finish; }

findings() { # lintian options...: its findings, one a line
    local out status=0
    out=$(timeout 240 lintian "$@" "$deb" 2>&1) || status=$?
    out=$(grep -v '^running with root privileges is not recommended!$' <<<"$out" || true)
    # 0: clean, 2: an error found (printed); anything else: lintian itself failed.
    [ "$status" = 0 ] || [ "$status" = 2 ] || out+=$'\n'"lintian exited with status $status"
    printf '%s' "$out"
}

default=$(findings)
[ -z "$default" ] && pass "lintian: no error or warning" || fail "lintian: $default"
# Only optimised builds are hardened (cmake/Hardening.cmake: fortified functions need -O).
case $(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$2/CMakeCache.txt") in
    Release | RelWithDebInfo | MinSizeRel)
        hardening=$(findings --display-level '>=pedantic' | grep hardening || true)
        [ -z "$hardening" ] && pass "lintian: fully hardened" || fail "lintian: $hardening"
        ;;
    *) pass "lintian: hardening not checked in a build that is not optimised" ;;
esac
finish
