#!/usr/bin/env bash
# The plain build as a newcomer and Debian's packaging helpers run it: `cmake -S . -B b` with
# CMake's default generator (Unix Makefiles), which unlike Ninja makes no folder for a command's
# output. Built afresh in a folder of its own: the Qt program's catalogue (one .qm a language in a
# folder of the build's) and, cross-built for Windows, the string tables.
#   default_generator.sh <source folder>
set -euo pipefail
source=${1:?source folder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset CMAKE_GENERATOR
step() {
    local name=$1 target=$2
    shift 2
    if ! { cmake -S "$source" -B "$work/$name" -DBUILD_TESTING=OFF "$@" &&
        cmake --build "$work/$name" --target "$target" -j2; } >"$work/$name.log" 2>&1; then
        tail -n 30 "$work/$name.log"
        echo "FAIL: $name: the default generator cannot build $target" >&2
        exit 1
    fi
    grep -q 'CMAKE_GENERATOR:INTERNAL=Unix Makefiles' "$work/$name/CMakeCache.txt"
    echo "ok: $name: $target built with Unix Makefiles"
}
step linux tbr_qt_catalogue
step win64 tbr_win32_catalogue -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64.toolchain.cmake"
