#!/usr/bin/env bash
# The Windows installers under Wine, in a fresh prefix of their own, road by road (the table at
# the end): installed, replaced by the next version, refused, failed on purpose and removed, on a
# machine where nobody owns .tbr, on machines where the editor owns it with its own New menu
# entry, on one where another program is listed under it, and on one where another program gave
# it a value of its own; the installer for all users and
# the one for the user alone. After each step
# win32_installed_program_test checks what a user would find; after a failed installation or a
# removal, the registry and the folders are also compared with what they were before.
#   installer_test.sh <installer> <installer for the user> <next version's installer>
#                     <installed_program_test.exe> <the stripped tbrwiz.exe in the installers>
#                     <state folder>
# Every Wine run is under a timeout.
set -euo pipefail
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
msi=$1 user_msi=$2 newer=$3 checks=$4 program=$5 state=$6

"$scripts/wine-prefix.sh" start "$state" >/dev/null
trap '"$scripts/wine-prefix.sh" stop "$state" >/dev/null' EXIT
. "$scripts/wine-env.sh" "$state"
export TBR_WINE_STATE=$state

windows_version() {
    timeout -k 5 60 wine winecfg -v "$1" </dev/null >/dev/null 2>&1
}
# Prints msiexec's exit code: Windows Installer's error number, of which Wine's process keeps
# the low 8 bits (1603, "installation failed", arrives as 67; Wine ends an installation that a
# custom action failed with 1627, which arrives as 91).
msiexec_quietly() {
    local rc=0
    timeout -k 5 "$TBR_WINE_TIMEOUT" wine msiexec "$1" "Z:${2//\//\\}" /qn "${@:3}" \
        </dev/null >/dev/null 2>&1 || rc=$?
    echo "$rc"
}
expect_exit() {
    [ "$2" = "$3" ] || { echo "installer_test: $1: msiexec ended with $2, not $3" >&2; exit 1; }
}
# check <suites>: the checks of the installed state, on the machine the road describes.
check() {
    "$scripts/wine-run.sh" "$checks" --gtest_brief=1 --gtest_filter="$1" "$program" $machine
}
# What an installation may change: the classes, and every file and folder of ours (with the
# user's programs folder, which the user's installation makes where there is none).
snapshot() {
    local key
    for key in 'HKLM\SOFTWARE\Classes\.tbr' 'HKLM\SOFTWARE\Classes\Tambrel.Document' \
               'HKCU\Software\Classes\.tbr' 'HKCU\Software\Classes\Tambrel.Document'; do
        echo "$key:"
        wine_reg query "$key" /s || true
    done
    find "$WINEPREFIX/drive_c" \( -ipath '*tambrel*' -o -path '*/AppData/Local/Programs' \) | sort
}
expect_as_before() {
    snapshot >"$state/after"
    diff -u "$state/before" "$state/after" >&2 ||
        { echo "installer_test: $1 did not leave the machine as it was" >&2; exit 1; }
}

# step <what>: one step of a road, on the installer of the road's scope.
step() {
    case $1 in
        refused-on-8.1)
            windows_version win81
            expect_exit "install on Windows 8.1" "$(msiexec_quietly /i "$package")" 67
            check 'Removed.*'
            windows_version win10 ;;
        failed-install)
            snapshot >"$state/before"
            expect_exit "failed install" \
                "$(msiexec_quietly /i "$package" TBR_TEST_FAIL_AT_END=1)" 91
            check 'Removed.*'
            expect_as_before "the failed install" ;;
        install)
            snapshot >"$state/before"
            expect_exit "install" "$(msiexec_quietly /i "$package")" 0
            check 'Installed.*' ;;
        in-german)  # the names the system takes from the program's string table
            LC_ALL=de_DE.UTF-8 check 'Installed.NamesComeFromTheProgramsStringTable' ;;
        failed-upgrade)  # the older version is already gone when the newer one fails
            expect_exit "failed upgrade" \
                "$(msiexec_quietly /i "$newer" TBR_TEST_FAIL_AT_END=1)" 91
            check 'Removed.*'
            expect_as_before "the failed upgrade" ;;
        upgrade)
            expect_exit "upgrade" "$(msiexec_quietly /i "$newer")" 0
            check 'Upgraded.*'
            expect_exit "downgrade" "$(msiexec_quietly /i "$package")" 67
            check 'Upgraded.*'
            package=$newer ;;
        uninstall)
            expect_exit "uninstall" "$(msiexec_quietly /x "$package")" 0
            check 'Removed.*'
            expect_as_before "the uninstall" ;;
        editor)
            check 'EditorInstalled.*' ;;
        listed)
            check 'OtherProgramListed.*' ;;
        typed)
            check 'ContentTypeGiven.*' ;;
        clear)
            check 'OthersRemoved.*' ;;
    esac
}

# The roads: the installer, the machine as the checks know it, and the steps in turn. The machine
# is the one the road before left.
while read -r scope machine steps; do
    [ "$scope" = user ] && package=$user_msi || package=$msi
    machine=${machine//,/ }
    [ "$machine" = - ] && machine=
    for what in $steps; do
        echo "installer_test: $scope ${machine:-(nobody owns .tbr)}: $what"
        step "$what"
    done
done <<'ROADS'
machine -              refused-on-8.1 failed-install install in-german failed-upgrade
machine -              install upgrade uninstall
machine editor         editor failed-install install upgrade uninstall
machine editor-progid  clear editor install uninstall
machine listed         clear listed failed-install install uninstall install failed-upgrade
machine typed          clear typed install failed-upgrade
user    editor,user    clear editor failed-install install in-german uninstall
user    user           clear failed-install install uninstall
ROADS
echo "installer_test: every road passed: refused on Windows 8.1, installed, upgraded, downgrade" \
     "refused, failed installs and upgrade rolled back, removed; beside the editor and for the" \
     "user alone"
