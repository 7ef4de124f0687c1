#!/usr/bin/env bash
# Checks that the code keeps its form and its names:
#   format  every C and C++ file of the tree against .clang-format (clang-format --dry-run -Werror);
#   naming  the plain C++ parts (common, document, shell, app, launcher, wizard, tools) against
#           .clang-tidy, read with the compile commands of a build (CMAKE_EXPORT_COMPILE_COMMANDS).
# Each finding is printed with its file and line; any finding fails the check. CTest runs both
# (label "style"); by hand:
#   scripts/check-style.sh format
#   scripts/check-style.sh naming build/ci
#   clang-format -i FILE...                  mends the form of the files named
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

# The tree's C and C++ files: those git knows (tracked or new, not ignored), else all outside
# the build folders.
SourceFiles() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files --cached --others --exclude-standard -- '*.c' '*.cpp' '*.h' |
            while read -r f; do [ -f "$f" ] && printf '%s\n' "$f"; done
    else
        find . \( -path './build*' -o -path './.git' \) -prune -o \
            -type f \( -name '*.c' -o -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||'
    fi
}

CheckFormat() {
    mapfile -t files < <(SourceFiles | sort)
    [ ${#files[@]} -gt 0 ] || { echo "check-style: no source files found" >&2; return 1; }
    # (set -e does not hold inside a function called from "all"'s && list: each step says so.)
    "${CLANG_FORMAT:-clang-format}" --dry-run -Werror "${files[@]}" || return 1
    # clang-format 14 (Debian 12) writes "struct stat info {};" and 19 (Debian 13) "info{}": the
    # tree says "struct stat info = {};", which both lay out alike.
    if grep -n -E 'struct [A-Za-z_]+ [A-Za-z_]+ ?\{' "${files[@]}"; then
        echo "check-style: write 'struct T name = {};' above, which every clang-format lays out alike" >&2
        return 1
    fi
    echo "check-style: ${#files[@]} files formatted as .clang-format says"
}

CheckNaming() {
    local build=${1:?naming needs the build folder whose compile_commands.json to read}
    local database="$build/compile_commands.json"
    [ -f "$database" ] || { echo "check-style: no $database (configure that build first)" >&2; return 1; }
    # The translation units of the plain parts, as the build compiles them.
    mapfile -t units < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$database" |
        grep -E "^$top/(common|document|shell|app|launcher|wizard|tools)/[^/]+\.cpp$" | sort -u)
    [ ${#units[@]} -gt 0 ] || { echo "check-style: no plain C++ parts in $database" >&2; return 1; }
    # One clang-tidy a core; each prints only what it finds, and any finding is an error.
    local found
    found=$(mktemp)
    printf '%s\n' "${units[@]}" |
        xargs -P "$(nproc)" -n 4 "${CLANG_TIDY:-clang-tidy}" -p "$build" --quiet >"$found" 2>&1 || true
    if grep -q -E '(warning|error):' "$found"; then
        grep -v -E '^[0-9]+ warnings? (generated|treated as errors?)\.$' "$found" >&2
        rm -f "$found"
        echo "check-style: names that do not follow .clang-tidy (above)" >&2
        return 1
    fi
    rm -f "$found"
    echo "check-style: ${#units[@]} files of the plain parts named as .clang-tidy says"
}

case "${1:-all}" in
    format) CheckFormat ;;
    naming) CheckNaming "${2:-build/ci}" ;;
    all) CheckFormat && CheckNaming "${2:-build/ci}" ;;
    *) echo "usage: $0 [format|naming|all] [BUILD_DIR]" >&2; exit 2 ;;
esac
