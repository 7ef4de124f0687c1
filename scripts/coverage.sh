#!/usr/bin/env bash
# The line and branch coverage of the program's plain C++ parts (common, messages, resources,
# document, shell, app, launcher, wizard) by the tests of a build made with TBR_COVERAGE (the asan
# preset), after its tests have run: a summary on standard output, each file's lines and branches in
# <build>/coverage/index.html. Branches that only exceptions take, and those the compiler proves
# unreachable, are not counted. Branches no test takes are explained in tests/uncovered.md.
#   usage: scripts/coverage.sh [build folder, default build/asan]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build/asan}" && pwd)
command -v gcovr >/dev/null || { echo "coverage: gcovr is missing (scripts/setup.sh test)" >&2; exit 2; }
mkdir -p "$build/coverage"
filters=()
for part in common messages resources document shell app launcher wizard; do
    filters+=(--filter "$top/$part/")
done
gcovr --root "$top" --object-directory "$build" "${filters[@]}" \
    --exclude-throw-branches --exclude-unreachable-branches \
    --html-details "$build/coverage/index.html" --txt "$build/coverage/summary.txt" \
    --print-summary
echo "coverage: every file's lines and branches in $build/coverage/index.html"
