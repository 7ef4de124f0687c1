#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
#   1. the CI build (Qt front end, warnings are errors) and all its tests;
#   2. the plain C++ parts again under address and undefined-behaviour sanitizers;
#   3. the Windows program cross-built with MinGW-w64 and its tests run under Wine.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

scripts/setup.sh

step() { printf '\n=== %s ===\n' "$*"; }

step "CI build and tests"
cmake --preset ci
cmake --build --preset ci
ctest --preset ci

step "Sanitizer build and tests"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

step "Windows build and tests under Wine"
cmake --preset win64
cmake --build --preset win64
ctest --preset win64

step "All tests passed"
