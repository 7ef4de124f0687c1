#!/usr/bin/env bash
# Runs the start-up benchmark once per program and checks that it measured both windows at the
# same size. It checks the machinery only: no time or memory figure is judged here.
#   smoke_test.sh <build folder>
set -uo pipefail
command -v Xvfb >/dev/null || { echo "Xvfb missing: skipped"; exit 77; }
out=$("$(dirname "$0")/run.sh" "$1" 1) || { echo "$out"; exit 1; }
echo "$out"
tbrwiz=$(echo "$out" | sed -n 's/^| tbrwiz | \([0-9]* x [0-9]*\) | 1 |.*/\1/p')
minimal=$(echo "$out" | sed -n 's/^| startup_minimal_window | \([0-9]* x [0-9]*\) | 1 |.*/\1/p')
if [ -z "$tbrwiz" ] || [ "$tbrwiz" != "$minimal" ]; then
    echo "FAIL: window sizes '$tbrwiz' and '$minimal' should be equal and present"
    exit 1
fi
echo "$out" | grep -q '^| start-up time (window mapped) | [0-9.]* | at most 1.30 | \(yes\|no\) |$' ||
    { echo "FAIL: no time ratio"; exit 1; }
