#!/usr/bin/env bash
# Start-up benchmark of the Windows program: tbrwiz.exe against a minimal Win32 dialog
# (startup_minimal_dialog.exe), both run under Wine and timed by the Linux build's startup_probe.
# Prints Markdown for bench/README.md.
#
#   bench/startup/run_wine.sh <Windows build folder> <Linux build folder> [runs] [program]
#                             [baseline]
#
# 20 runs per program unless told. The program is the Windows build's tbrwiz.exe unless another
# .exe is named: an older tbrwiz.exe, or bench/startup/startup_common_controls_dialog.exe (the
# minimal dialog after loading the common controls, the floor for windows with themed buttons).
# The baseline is the minimal dialog unless another .exe is named (an older tbrwiz.exe, to see
# what a change gained).
#
# The same program in two languages: TBR_BENCH_PROGRAM_LC_ALL (for example de_DE.UTF-8: Wine
# takes the user's language from LC_ALL) is the program's LC_ALL only, and TBR_BENCH_PROGRAM_TITLE
# its main window's title in that language; the baseline keeps the caller's LC_ALL (English with
# a locale of its own: under LC_ALL=C.UTF-8 Wine itself starts about a fifth slower):
#   LC_ALL=en_US.UTF-8 TBR_BENCH_PROGRAM_LC_ALL=de_DE.UTF-8 TBR_BENCH_PROGRAM_TITLE=Tambrel-Assistent \
#       bench/startup/run_wine.sh build/win64 build/ci 20 build/win64/ui/win32/tbrwiz.exe \
#       build/win64/ui/win32/tbrwiz.exe
#
# Builds nothing. The build folders must hold these targets, built:
#   cmake --build <Windows build folder> --target tbrwiz startup_minimal_dialog
#   cmake --build <Linux build folder> --target startup_probe
# Needs wine and Xvfb. The Wine environment is the tests' (scripts/wine-prefix.sh): a fresh
# prefix on a virtual X display of its own, one wineserver kept running for all runs; it is
# removed at the end.
set -euo pipefail
if [ $# -lt 2 ] || [ $# -gt 5 ]; then
    echo "usage: $0 <Windows build folder> <Linux build folder> [runs] [program.exe] [baseline.exe]" >&2
    exit 2
fi
windows=$(cd "$1" && pwd)
linux=$(cd "$2" && pwd)
runs=${3:-20}
top=$(cd "$(dirname "$0")/../.." && pwd)
program=${4:-$windows/ui/win32/tbrwiz.exe}
baseline=${5:-$windows/bench/startup/startup_minimal_dialog.exe}
probe=$linux/bench/startup/startup_probe
for f in "$program" "$baseline" "$probe"; do
    if [ ! -f "$f" ]; then
        echo "$0: $f is missing; build it first:" >&2
        echo "  cmake --build $1 --target tbrwiz startup_minimal_dialog" >&2
        echo "  cmake --build $2 --target startup_probe" >&2
        exit 1
    fi
done
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
baseline=$(cd "$(dirname "$baseline")" && pwd)/$(basename "$baseline")
command -v wine >/dev/null || { echo "$0: wine is missing (Debian: wine wine64)" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "$0: Xvfb is missing (Debian: xvfb)" >&2; exit 1; }

build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$windows/CMakeCache.txt" 2>/dev/null || true)
# The cross compiler is named by the toolchain file, not in the cache.
compiler=$(cat "$windows"/CMakeFiles/*/CMakeCXXCompiler.cmake 2>/dev/null |
           sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' | head -n1)
compiler=$("${compiler:-false}" --version 2>/dev/null | head -n1 || true)
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)

state=$(mktemp -d)
trap '"$top/scripts/wine-prefix.sh" stop "$state" >/dev/null 2>&1 || true; rm -rf "$state"' EXIT
if ! "$top/scripts/wine-prefix.sh" start "$state" >/dev/null; then
    cat "$state/wine-prefix.log" >&2 || true
    exit 1
fi
. "$top/scripts/wine-env.sh" "$state"

echo "$(date +%F), $(nproc) cores ($cpu), $(wine --version), ${build_type:-?} build," \
     "${compiler:-?}, $runs alternating runs each after one warm-up, Xvfb 1024x768x24," \
     "no window manager, load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
# Against the minimal dialog; a language against English may cost 5 % in time and memory.
goals=(--time-goal 1.15 --memory-goal none --first-drawing-goal 1.2 --last-drawing-goal 1.2)
language=()
if [ -n "${TBR_BENCH_PROGRAM_LC_ALL:-}" ]; then
    goals=(--time-goal 1.05 --memory-goal 1.05 --first-drawing-goal none --last-drawing-goal none)
    language=(--program-env "LC_ALL=$TBR_BENCH_PROGRAM_LC_ALL"
              --program-title "${TBR_BENCH_PROGRAM_TITLE:-Tambrel Wizard}")
fi
timeout 900 "$probe" --runs "$runs" --launcher wine "${goals[@]}" "${language[@]}" \
    "Tambrel Wizard" "$program" "$baseline"
echo
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
