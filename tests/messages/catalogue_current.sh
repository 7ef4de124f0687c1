#!/usr/bin/env bash
# po/tbrwiz.pot holds exactly the texts of the program and its packaging, and every po/*.po has
# been merged with it and translates every text: a text changed without scripts/translations.sh,
# a text left untranslated or fuzzy, or a flag (qt-format) missing from a language fails here.
set -euo pipefail
top=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$top/scripts/translations.sh" pot "$work"
diff -u "$top/po/tbrwiz.pot" "$work/tbrwiz.pot" ||
    { echo "po/tbrwiz.pot is out of date: run scripts/translations.sh" >&2; exit 1; }
# gettext warns about the one text with a line break of its own (a lone CR), meant so.
unwrapped() { msgcat --no-wrap "$@" 2> >(grep -v "'.r' escape sequence" >&2 || true); }
for po in "$top"/po/*.po; do
    # msgcmp: every text of the template is in the catalogue, translated and not fuzzy.
    msgcmp "$po" "$work/tbrwiz.pot" ||
        { echo "$po lacks texts or translations: run scripts/translations.sh, translate" >&2; exit 1; }
    msgmerge --quiet --no-fuzzy-matching -o "$work/merged.po" "$po" "$work/tbrwiz.pot" 2>/dev/null
    diff -u <(unwrapped "$po") <(unwrapped "$work/merged.po") ||
        { echo "$po is not merged with po/tbrwiz.pot: run scripts/translations.sh" >&2; exit 1; }
done
echo "the catalogue holds the current texts"
