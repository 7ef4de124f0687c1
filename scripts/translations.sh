#!/usr/bin/env bash
# Keeps the catalogue in po/ up to date with the texts of the program and its packaging:
#   scripts/translations.sh          extracts po/tbrwiz.pot afresh and merges it into every
#                                    po/<language>.po (new texts arrive untranslated)
#   scripts/translations.sh pot DIR  only writes the extracted tbrwiz.pot into DIR (the tests
#                                    compare it with the committed one)
# To add a language: `msginit -i po/tbrwiz.pot -l xx -o po/xx.po --no-translator`, translate
# it, and build.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

# The one text with a line break of its own (a lone CR) is meant so: no warning about it.
no_cr_warning() { grep -v "should not contain the '.r' escape sequence" >&2 || true; }

extract() {
    local out=$1 work
    work=$(mktemp -d)
    trap 'rm -rf "$work"' RETURN
    local common=(--from-code=UTF-8 --add-comments=TRANSLATORS: --add-location=file
        --package-name=tbrwiz --package-version=1.00 --msgid-bugs-address=tbrwiz@example.org)
    # --qt: a text with placeholders (%1) is flagged qt-format, so msgfmt --check checks them.
    xgettext "${common[@]}" -L C++ --qt --keyword= --keyword=N_ -o "$work/code.pot" \
        messages/english.cpp 2> >(no_cr_warning)
    xgettext "${common[@]}" -L Desktop -o "$work/desktop.pot" \
        packaging/org.example.tbrwiz.desktop.in packaging/TambrelDocument.desktop.in
    xgettext "${common[@]}" --its=/usr/share/gettext/its/metainfo.its -o "$work/metainfo.pot" \
        packaging/org.example.tbrwiz.metainfo.xml.in
    xgettext "${common[@]}" --its=/usr/share/gettext/its/shared-mime-info.its \
        -o "$work/mime.pot" packaging/tambrel-mime.xml.in
    msgcat --use-first 2> >(no_cr_warning) -o "$work/all.pot" "$work/code.pot" "$work/desktop.pot" \
        "$work/metainfo.pot" "$work/mime.pot"
    # No dates: the file changes only when a text does.
    sed -e '/^"POT-Creation-Date:/d' -e 's/charset=CHARSET/charset=UTF-8/' "$work/all.pot" >"$out"
}

case "${1:-}" in
    pot) extract "${2:?folder}/tbrwiz.pot" ;;
    "")
        extract po/tbrwiz.pot
        for po in po/*.po; do
            msgmerge --quiet --update --backup=none --no-fuzzy-matching "$po" po/tbrwiz.pot
        done
        ;;
    *) echo "usage: $0 [pot DIR]" >&2; exit 2 ;;
esac
