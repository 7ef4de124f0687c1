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

# The other builds compile while the CI tests run: those mostly wait on virtual displays,
# the screen reader and the desktop tools, and the builds keep both cores busy meanwhile.
building=$(mktemp)
trap 'rm -f "$installing" "$building"; [ -z "${builds_pid:-}" ] || kill "$builds_pid" 2>/dev/null' EXIT
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
) >"$building" 2>&1 &
builds_pid=$!

step "CI tests"
ctest --preset ci

step "Sanitizer, fuzz, Windows and release builds"
status=0
wait "$builds_pid" || status=$?
builds_pid=
cat "$building"
[ "$status" -eq 0 ] || exit "$status"

step "Sanitizer tests and coverage"
ctest --preset asan
scripts/coverage.sh build/asan

# The fuzz targets keep one core busy while the Windows tests, which mostly wait on Wine, run.
step "Fuzz targets, a few seconds each, one at a time beside the Windows tests under Wine"
fuzzing=$(mktemp)
trap 'rm -f "$installing" "$building" "$fuzzing"; [ -z "${fuzz_pid:-}" ] || kill "$fuzz_pid" 2>/dev/null' EXIT
ctest --preset fuzz --parallel 1 >"$fuzzing" 2>&1 &
fuzz_pid=$!
ctest --preset win64
status=0
wait "$fuzz_pid" || status=$?
fuzz_pid=
cat "$fuzzing"
[ "$status" -eq 0 ] || exit "$status"

step "The run command without a display"
tests/setup/run_headless_test.sh

step "All tests passed"
