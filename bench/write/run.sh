#!/usr/bin/env bash
# Runs the write benchmark on a disk-backed folder and on tmpfs and prints the table rows for
# bench/README.md.   usage: bench/write/run.sh [build folder, default build/ci] [seconds]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build/ci}
seconds=${2:-3}
cmake --build "$build" -j2 --target bench_write >/dev/null
echo "| file system (folder) | WriteNewDocument docs/s | bare C docs/s | ratio (bare / ours) |"
echo "|---|---|---|---|"
for folder in /var/tmp /dev/shm; do
    [ -d "$folder" ] && [ -w "$folder" ] && "$build/bench/write/bench_write" "$folder" "$seconds"
done
