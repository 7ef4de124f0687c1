#!/usr/bin/env bash
# Start-up benchmark: tbrwiz against a minimal Qt 6 window on a virtual X server of its own.
# Prints Markdown for bench/README.md.
#
#   bench/startup/run.sh <build folder> [runs per program, default 20]
#
# Builds nothing. The build folder must hold these targets, built:
#   cmake --build <build folder> -j2 --target tbrwiz startup_minimal_window startup_probe
# Needs Xvfb (Debian: xvfb).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 <build folder> [runs]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
runs=${2:-20}
program=$build/ui/qt/tbrwiz
baseline=$build/bench/startup/startup_minimal_window
probe=$build/bench/startup/startup_probe
for f in "$program" "$baseline" "$probe"; do
    if [ ! -x "$f" ]; then
        echo "$0: $f is missing; build it first:" >&2
        echo "  cmake --build $1 -j2 --target tbrwiz startup_minimal_window startup_probe" >&2
        exit 1
    fi
done
command -v Xvfb >/dev/null || { echo "$0: Xvfb is missing (Debian: xvfb)" >&2; exit 1; }

cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt" 2>/dev/null | head -n1; }
build_type=$(cache CMAKE_BUILD_TYPE)
compiler=$("$(cache CMAKE_CXX_COMPILER)" --version 2>/dev/null | head -n1 || true)
qt_library=$(ldd "$program" | awk '/libQt6Core/ {print $3}')
qt_version=$(readlink -f "$qt_library" | sed -n 's/.*\.so\.\([0-9.]*\)$/\1/p')
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)

# The same environment for both: the X platform, no desktop theme, a private runtime folder.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=

echo "$(date +%F), $(nproc) cores ($cpu), Qt ${qt_version:-?}, ${build_type:-?} build," \
     "${compiler:-?}, $runs alternating runs each after one warm-up, Xvfb 1280x1024x24," \
     "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
timeout 900 "$top/scripts/with-xvfb.sh" -s "-screen 0 1280x1024x24" \
    "$probe" --runs "$runs" "Tambrel Wizard" "$program" "$baseline"
