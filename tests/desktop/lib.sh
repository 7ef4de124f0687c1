# shellcheck shell=bash disable=SC2034
# Shared helpers of the desktop integration checks. Sourced, not run.
set -euo pipefail

APP_ID=org.example.tbrwiz
ICON_SIZES=(16 22 24 32 48 64 128 256)

TEMPLATE=TambrelDocument

# expected_files <have-program 0|1>: every file the install puts under its prefix, one a line.
expected_files() {
    [ "$1" = 1 ] && echo bin/tbrwiz
    printf '%s\n' "share/applications/$APP_ID.desktop" "share/metainfo/$APP_ID.metainfo.xml" \
        "share/mime/packages/$APP_ID.xml" share/doc/tbrwiz/copyright share/doc/tbrwiz/changelog.gz \
        share/man/man1/tbrwiz.1.gz "share/templates/$TEMPLATE.desktop" \
        "share/templates/.source/$TEMPLATE.tbr"
    for n in "${ICON_SIZES[@]}"; do
        printf '%s\n' "share/icons/hicolor/${n}x${n}/apps/$APP_ID.png" \
            "share/icons/hicolor/${n}x${n}/mimetypes/application-x-tambrel.png"
    done
}

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
skip() { echo "SKIP: $*"; exit 77; }
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}
need() { for c in "$@"; do command -v "$c" >/dev/null || skip "$c is not installed"; done; }

# expect <what> <actual> <wanted>
expect() {
    if [ "$2" = "$3" ]; then pass "$1: $2"; else fail "$1: got '$2', want '$3'"; fi
}

# validate_entry <file>: desktop-file-validate accepts a desktop entry. It prints errors and
# warnings but exits 0 on warnings: any line other than a hint fails.
validate_entry() {
    local report problems
    report=$(desktop-file-validate "$1" 2>&1) || fail "desktop-file-validate: $report"
    problems=$(grep -v 'hint:' <<<"$report" || true)
    [ -z "$problems" ] && pass "desktop-file-validate accepts it" || fail "desktop-file-validate: $problems"
}

# every_language <what> <file> <count> <pattern> <source-dir>: each language of the catalogue
# (po/<language>.po) has count lines of file that hold pattern, "@" in it standing for the
# language: msgfmt leaves out a language it was not given and a text that is not translated.
# A language with a region may be written as a tag too, with a script (gettext 0.23 writes
# pt_BR as pt-BR and zh_CN as zh-Hans-CN in XML; 0.21 as pt_BR).
every_language() {
    local po language spelt fixed found wrong=()
    fixed=$(sed 's/[][\.*^$+?(){}|/]/\\&/g' <<<"$4")
    for po in "$5"/po/*.po; do
        language=$(basename "$po" .po)
        spelt=$language
        [[ $language == *_* ]] && spelt="${language%%_*}([-_][A-Z][a-z]{3})?[-_]${language#*_}"
        found=$(grep -c -E -- "${fixed//@/$spelt}" "$2" || true)
        [ "$found" = "$3" ] || wrong+=("$language: $found")
    done
    [ ${#wrong[@]} -eq 0 ] && pass "$1 in every language of po/" ||
        fail "$1: want $3 a language, got ${wrong[*]}"
}

# entry_key <file> <key>: a key's value in the [Desktop Entry] group.
entry_key() { sed -n "/^\[Desktop Entry\]/,/^\[/ s/^$2=//p" "$1"; }

# A new document exactly as the wizard writes it: the default icon, then the text section.
make_sample_document() { # source-dir output
    {
        cat "$1/resources/default_document.ico"
        printf '\r\n<START TBR>\r\n"USERDEF"\r\n1,"MS Sans Serif","8",0,0\r\n'
    } >"$2"
}

# mime_db <dir> <package-xml>...: a MIME database of its own under <dir>/share/mime, built from
# the freedesktop base types and the given package files, so that no type installed on this
# machine (a tbrwiz package, say) can hide a fault in ours.
mime_db() {
    local dir=$1
    shift
    mkdir -p "$dir/share/mime/packages" "$dir/home"
    cp /usr/share/mime/packages/freedesktop.org.xml "$dir/share/mime/packages/"
    [ $# -eq 0 ] || cp "$@" "$dir/share/mime/packages/"
    local log
    log=$(update-mime-database "$dir/share/mime" 2>&1) || { echo "$log" >&2; return 1; }
}

# gio_attr <data-dirs> <file> <attribute>: one attribute of a file as a desktop sees it.
gio_attr() {
    env XDG_DATA_DIRS="$1" XDG_DATA_HOME="${MIME_HOME:-/nonexistent}" GIO_USE_VFS=local \
        DBUS_SESSION_BUS_ADDRESS=disabled: timeout 20 gio info -a "$3" "$2" |
        sed -n "s/^ *$3: //p"
}
