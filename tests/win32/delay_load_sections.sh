#!/usr/bin/env bash
# The delay-load helper writes, at a function's first call, its address into the function's slot
# (__imp_<name>) and the DLL's handle into __DLL_HANDLE_<library>: each must lie in a writable
# section of the program, or the program faults there (as with binutils 2.44, which makes .idata
# read-only). Reads the unstripped program's symbols and section flags, without running it.
#   usage: delay_load_sections.sh <nm> <objdump> <program.exe> <delay/*.def>...
set -euo pipefail
nm=$1 objdump=$2 exe=$3
shift 3
# Each section as "<name> <size> <address> <READONLY or ->", from objdump's two lines a section.
sections=$("$objdump" -h "$exe" | awk '$1 ~ /^[0-9]+$/ { s = $2 " " $3 " " $4; next }
    s != "" { print s, ($0 ~ /READONLY/ ? "READONLY" : "-"); s = "" }')
symbols=$("$nm" "$exe")
functions=$(awk 'FNR == 1 { on = 0 } on && NF { print "__imp_" $1 } /^EXPORTS/ { on = 1 }' "$@")
handles=$(awk '$3 ~ /^__DLL_HANDLE_/ { print $3 }' <<<"$symbols")
[ "$(wc -l <<<"$handles")" -eq $# ] || { echo "FAIL: want $# DLL handles, found: $handles"; exit 1; }
failures=0
for symbol in $functions $handles; do
    address=$(awk -v s="$symbol" '$3 == s { print $1 }' <<<"$symbols")
    [ -n "$address" ] || { echo "FAIL: no symbol $symbol"; failures=1; continue; }
    where=""
    while read -r name size start flag; do
        if ((16#$start <= 16#$address && 16#$address < 16#$start + 16#$size)); then
            where="$name $flag"
        fi
    done <<<"$sections"
    case $where in
        "") echo "FAIL: $symbol lies in no section"; failures=1 ;;
        *READONLY) echo "FAIL: $symbol lies in ${where% *}, which is read-only"; failures=1 ;;
    esac
done
[ $failures -eq 0 ] && echo "PASS: the $(wc -w <<<"$functions $handles") places the helper writes are writable"
exit $failures
