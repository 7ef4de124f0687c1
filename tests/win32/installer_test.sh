#!/usr/bin/env bash
# The Windows installer under Wine, in a fresh prefix of its own, on two machines in turn. One
# where nobody owns .tbr: refused on Windows 8.1; installed on Windows 10 (msiexec /i ... /qn) and
# checked as a user would find it; replaced by the next version; a downgrade refused; removed
# (msiexec /x ... /qn) without a trace. Then one where the editor owns .tbr: installed beside it
# and removed, its association intact both times.
#   installer_test.sh <installer> <next version's installer> <installed_program_test.exe>
#                     <the stripped tbrwiz.exe in the installer> <state folder>
# Every Wine run is under a timeout.
set -euo pipefail
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
msi=$1 newer=$2 checks=$3 program=$4 state=$5

"$scripts/wine-prefix.sh" start "$state" >/dev/null
trap '"$scripts/wine-prefix.sh" stop "$state" >/dev/null' EXIT
. "$scripts/wine-env.sh" "$state"
export TBR_WINE_STATE=$state

windows_version() {
    timeout -k 5 60 wine winecfg -v "$1" </dev/null >/dev/null 2>&1
}
# Prints msiexec's exit code: Windows Installer's error number, of which Wine's process keeps
# the low 8 bits (1603, "installation failed", arrives as 67).
msiexec_quietly() {
    local rc=0
    timeout -k 5 "$TBR_WINE_TIMEOUT" wine msiexec "$1" "Z:${2//\//\\}" /qn \
        </dev/null >/dev/null 2>&1 || rc=$?
    echo "$rc"
}
expect_exit() {
    [ "$2" = "$3" ] || { echo "installer_test: $1: msiexec ended with $2, not $3" >&2; exit 1; }
}
# check <suites> [editor]: the checks of the installed state; "editor" where the editor owns .tbr.
check() {
    "$scripts/wine-run.sh" "$checks" --gtest_brief=1 --gtest_filter="$1" "$program" "${@:2}"
}

windows_version win81
expect_exit "install on Windows 8.1" "$(msiexec_quietly /i "$msi")" 67
check 'Removed.*'

windows_version win10
expect_exit "install" "$(msiexec_quietly /i "$msi")" 0
check 'Installed.*'
LC_ALL=de_DE.UTF-8 check 'Installed.TheDocumentTypeIsNamed*'  # the type's name in German

expect_exit "upgrade" "$(msiexec_quietly /i "$newer")" 0
check 'Upgraded.*'
expect_exit "downgrade" "$(msiexec_quietly /i "$msi")" 67
check 'Upgraded.*'

expect_exit "uninstall" "$(msiexec_quietly /x "$newer")" 0
check 'Removed.*'

check 'EditorInstalled.*'
expect_exit "install beside the editor" "$(msiexec_quietly /i "$msi")" 0
check 'Installed.*' editor
expect_exit "uninstall beside the editor" "$(msiexec_quietly /x "$msi")" 0
check 'Removed.*' editor
echo "installer_test: refused on Windows 8.1, installed, upgraded, downgrade refused, removed;" \
     "installed beside the editor and removed, its .tbr type intact"
