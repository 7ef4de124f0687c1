#!/usr/bin/env bash
# scripts/setup.sh against stand-in package tools: a dpkg-query that knows only the packages
# listed in $work/installed (and those in $work/purged, as purged but still listed), an apt-get
# and a sudo that record how they were called, and an id that answers the user number the case
# asks for. Nothing is installed.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL [$case]: $*"; failures=$((failures + 1)); }

# Only the tools setup.sh may use, so that no sudo of the machine's own is found by accident.
mkdir -p "$work/bin" "$work/standins"
for tool in bash env sed grep dirname cat; do
    ln -s "$(command -v "$tool")" "$work/bin/$tool"
done
cat >"$work/standins/dpkg-query" <<'SH'
#!/bin/bash
pkg=${!#}
if grep -qx "$pkg" "$STANDIN_DIR/installed"; then echo "install ok installed"; exit 0; fi
if grep -qx "$pkg" "$STANDIN_DIR/purged"; then echo "purge ok not-installed"; exit 0; fi
echo "dpkg-query: no packages found matching $pkg" >&2; exit 1
SH
cat >"$work/standins/apt-get" <<'SH'
#!/bin/bash
echo "DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-} apt-get $*" >>"$STANDIN_DIR/calls"
[ "$1" != install ] || exit "${STANDIN_APT_STATUS:-0}"
SH
cat >"$work/standins/sudo" <<'SH'
#!/bin/bash
echo "sudo $*" >>"$STANDIN_DIR/calls"
exec "$@"
SH
cat >"$work/standins/id" <<'SH'
#!/bin/bash
echo "$STANDIN_UID"
SH
chmod +x "$work/standins/"*

packages() { sed -e 's/#.*//' -e 's/[[:space:]]//g' "$@" | grep -v '^$'; }
run_set=$(packages "$top/scripts/packages/run.txt" | tr '\n' ' ')
build_set=$(packages "$top/scripts/packages/run.txt" "$top/scripts/packages/tests-build.txt" |
    tr '\n' ' ')
test_set=$(packages "$top/scripts/packages/run.txt" "$top/scripts/packages/tests-build.txt" \
    "$top/scripts/packages/test.txt" | tr '\n' ' ')
reader_set=$(packages "$top/scripts/packages/run.txt" "$top/scripts/packages/screen-reader.txt" |
    tr '\n' ' ')
all=$(packages "$top/scripts/packages/"{run,tests-build,test}.txt)

for p in wine wine64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest; do
    case=" $run_set "
    [[ $case == *" $p "* ]] && { case="run set"; fail "holds $p, which only the tests need"; }
done

# case | set | uid | sudo? | installed | apt status | expected status | expected calls (| between)
while IFS='|' read -r case set uid sudo installed apt_status want_status want_calls; do
    [ -n "$case" ] || continue
    rm -f "$work/calls"
    : >"$work/purged"
    case $installed in
        all) printf '%s\n' "$all" >"$work/installed" ;;
        cmake) echo cmake >"$work/installed" ;;
        cmake-purged) : >"$work/installed"; echo cmake >"$work/purged" ;;
        *) : >"$work/installed" ;;
    esac
    path="$work/standins:$work/bin"
    [ "$sudo" = yes ] || { mkdir -p "$work/nosudo"; cp "$work/standins/"{dpkg-query,apt-get,id} "$work/nosudo/"; path="$work/nosudo:$work/bin"; }
    out=$(env -i PATH="$path" STANDIN_DIR="$work" STANDIN_UID="$uid" STANDIN_APT_STATUS="$apt_status" \
        bash "$top/scripts/setup.sh" $set 2>&1)
    status=$?
    calls=$(cat "$work/calls" 2>/dev/null | tr '\n' '|' | sed 's/|$//')
    want_calls=${want_calls//@RUN@/${run_set% }}
    want_calls=${want_calls//@BUILD@/${build_set% }}
    want_calls=${want_calls//@TEST@/${test_set% }}
    want_calls=${want_calls//@READER@/${reader_set% }}
    want_calls=${want_calls//@RUN_BUT_CMAKE@/$(echo "${run_set% }" | sed 's/ cmake / /')}
    [ "$status" = "$want_status" ] || fail "status $status, expected $want_status: $out"
    [ "$calls" = "$want_calls" ] || fail "calls were '$calls', expected '$want_calls'"
    if [ "$want_status" = 1 ]; then
        grep -q 'these Debian packages are missing: \|installing failed' <<<"$out" ||
            fail "no message naming what is missing: $out"
        grep -q 'apt-get update && apt-get install -y -q --no-install-recommends ' <<<"$out" ||
            fail "no command to run: $out"
    fi
done <<'CASES'
root, nothing installed, run set|run|0|no|none|0|0|DEBIAN_FRONTEND=noninteractive apt-get update -q|DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends @RUN@
root, nothing installed, tests-build set|tests-build|0|no|none|0|0|DEBIAN_FRONTEND=noninteractive apt-get update -q|DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends @BUILD@
root, nothing installed, test set|test|0|no|none|0|0|DEBIAN_FRONTEND=noninteractive apt-get update -q|DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends @TEST@
root, nothing installed, screen-reader set|screen-reader|0|no|none|0|0|DEBIAN_FRONTEND=noninteractive apt-get update -q|DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends @READER@
root, cmake installed|run|0|no|cmake|0|0|DEBIAN_FRONTEND=noninteractive apt-get update -q|DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends @RUN_BUT_CMAKE@
root, cmake purged but still listed|run|0|no|cmake-purged|0|0|DEBIAN_FRONTEND=noninteractive apt-get update -q|DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends @RUN@
user with sudo|run|1000|yes|none|0|0|sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q|DEBIAN_FRONTEND=noninteractive apt-get update -q|sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends @RUN@|DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends @RUN@
user without sudo|run|1000|no|none|0|1|
everything installed, user without sudo|test|1000|no|all|0|0|
install fails|run|0|no|none|100|1|DEBIAN_FRONTEND=noninteractive apt-get update -q|DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends @RUN@
no set named|| 0|no|none|0|2|
CASES

[ "$failures" -eq 0 ] && echo "setup: all cases passed"
exit $((failures > 0))
