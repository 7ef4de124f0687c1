#!/usr/bin/env bash
# Runs the Windows start-up benchmark once per program and checks its readings: both windows
# seen at the same size, their memory, both drawings, every ratio. It checks the machinery only:
# no time or memory figure is judged here.
#   smoke_test_wine.sh <Windows build folder> <Linux build folder with startup_probe>
set -uo pipefail
for tool in wine Xvfb; do
    command -v $tool >/dev/null || { echo "$tool missing: skipped"; exit 77; }
done
if [ ! -x "$2/bench/startup/startup_probe" ]; then
    # scripts/test.sh builds the Linux build (preset ci) before the Windows one.
    echo "no startup_probe in $2 (build it: cmake --build --preset ci --target startup_probe): skipped"
    exit 77
fi
out=$("$(dirname "$0")/run_wine.sh" "$1" "$2" 1) || { echo "$out"; exit 1; }
echo "$out"
fail() { echo "FAIL: $1"; exit 1; }
row() { echo "$out" | grep "^| $1 | " || fail "no row for $1"; }
number='[0-9]+\.[0-9]'
# | name | W x H | 1 | mapped | processor | VmRSS | anon / file | first drawing | VmRSS | last | processor |
reading="^\| [a-z_.]+ \| ([0-9]+ x [0-9]+) \| 1 \| $number \($number-$number\) \| $number \| $number \($number-$number\) \| $number / $number \| $number \($number-$number\) \| $number \| $number \($number-$number\) \| $number \|$"
program=$(row tbrwiz.exe) && baseline=$(row startup_minimal_dialog.exe) || exit 1
[[ $program =~ $reading ]] || fail "incomplete readings for tbrwiz.exe"
size=${BASH_REMATCH[1]}
[[ $baseline =~ $reading ]] || fail "incomplete readings for startup_minimal_dialog.exe"
[ "$size" = "${BASH_REMATCH[1]}" ] || fail "window sizes $size and ${BASH_REMATCH[1]} differ"
for ratio in 'start-up time (window mapped) | [0-9.]* | at most 1.15 | \(yes\|no\)' \
             'time to first drawing | [0-9.]* | at most 1.20 | \(yes\|no\)' \
             'time to last drawing | [0-9.]* | at most 1.20 | \(yes\|no\)' \
             'resident memory (VmRSS) then | [0-9.]* | - | -'; do
    echo "$out" | grep -q "^| $ratio |$" || fail "no ratio row: $ratio"
done
