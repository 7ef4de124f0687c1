#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
#   1. the CI build (Qt front end, warnings are errors) and all its tests, among them the code's
#      form and naming (scripts/check-style.sh, label "style");
#   2. the plain C++ parts again under address and undefined-behaviour sanitizers, and the line
#      and branch coverage of their tests (scripts/coverage.sh);
#   3. every fuzz target (clang's libFuzzer, fuzz/) for a few seconds each;
#   4. the Windows program cross-built with MinGW-w64 and its tests run under Wine;
#   5. the README's run command on a virtual display, with stand-in package tools.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

started=$SECONDS
step() { printf '\n=== %s (at %d s) ===\n' "$*" $((SECONDS - started)); }

step "Packages that the builds need"
scripts/setup.sh tests-build
# The tools that only the tests run (Wine, MinGW-w64, the screen reader, the desktop validators,
# ...) install while the CI build compiles: unpacking them takes minutes on a fresh machine.
installing=$(mktemp)
trap 'rm -f "$installing"' EXIT
scripts/setup.sh test >"$installing" 2>&1 &
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
    cat "$installing"
    exit 1
fi
grep -E '^(setup:|Need to get|Fetched)' "$installing" || true

step "CI tests"
ctest --preset ci

step "Sanitizer build and tests"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
scripts/coverage.sh build/asan

step "Fuzz targets, a few seconds each"
cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz

step "Windows build and tests under Wine"
cmake --preset win64
cmake --build --preset win64
ctest --preset win64

step "The run command without a display"
tests/setup/run_headless_test.sh

step "All tests passed"
