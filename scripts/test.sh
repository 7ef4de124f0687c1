#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite. What only the tests
# need installs while the CI build compiles, and the other builds compile while the CI tests run;
# the tests themselves run one set after the other, but for the fuzz targets:
#   1. the CI build (Qt front end, warnings are errors) and all its tests, among them the code's
#      form and naming (scripts/check-style.sh, label "style");
#   2. the plain C++ parts again under address and undefined-behaviour sanitizers, and the line
#      and branch coverage of their tests (scripts/coverage.sh);
#   3. the Windows program cross-built with MinGW-w64 and its tests run under Wine, and beside
#      them every fuzz target (clang's libFuzzer, fuzz/) for a few seconds each;
#   4. the README's run command on a virtual display, with stand-in package tools.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

started=$SECONDS
step() { printf '\n=== %s (at %d s) ===\n' "$*" $((SECONDS - started)); }

# Steps that run in the background write to a log of their own; what is still running when the
# run ends is stopped, and the logs go.
logs=$(mktemp -d)
running=""
trap '[ -z "$running" ] || kill $running 2>/dev/null; rm -rf "$logs"' EXIT
# Waits for the background step whose log is $1 and prints that log; its failure ends the run.
Await() {
    local status=0
    wait "$running" || status=$?
    running=""
    cat "$logs/$1"
    [ "$status" -eq 0 ] || exit "$status"
}

step "Packages that the builds need"
scripts/setup.sh tests-build
# The tools that only the tests run (Wine, MinGW-w64, the screen reader, the desktop validators,
# ...) install while the CI build compiles: unpacking them takes minutes on a fresh machine.
scripts/setup.sh test >"$logs/installing" 2>&1 &
setup_pid=$!

# As root (as in CI) the tests of a replaced document's owner, permissions, attributes and access
# list fail rather than skip when they cannot run.
if [ "$(id -u)" -eq 0 ]; then
    export TBR_METADATA_REQUIRED=1
fi

step "CI build"
cmake --preset ci
cmake --build --preset ci

step "Packages that the tests need"
if ! wait "$setup_pid"; then
    cat "$logs/installing"
    exit 1
fi
grep -E '^(setup:|Need to get|Fetched)' "$logs/installing" || true

# The other builds compile while the CI tests run: those mostly wait on virtual displays,
# the screen reader and the desktop tools, and the builds keep both cores busy meanwhile.
(
    set -e
    cmake --preset asan
    cmake --build --preset asan
    cmake --preset fuzz
    cmake --build --preset fuzz
    cmake --preset win64
    cmake --build --preset win64
    cmake --preset release  # what the run command builds, checked last
    cmake --build --preset release --target tbrwiz
) >"$logs/building" 2>&1 &
running=$!

step "CI tests"
ctest --preset ci

step "Sanitizer, fuzz, Windows and release builds"
Await building

step "Sanitizer tests and coverage"
ctest --preset asan
scripts/coverage.sh build/asan

# The fuzz targets keep one core busy while the Windows tests, which mostly wait on Wine, run.
step "Fuzz targets, a few seconds each, one at a time beside the Windows tests under Wine"
ctest --preset fuzz --parallel 1 >"$logs/fuzzing" 2>&1 &
running=$!
ctest --preset win64
Await fuzzing

step "The run command without a display"
tests/setup/run_headless_test.sh

step "All tests passed"
