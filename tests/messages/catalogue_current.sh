#!/usr/bin/env bash
# po/tbrwiz.pot holds exactly the texts of the program and its packaging, and every po/*.po has
# been merged with it: a text changed without scripts/translations.sh fails here.
set -euo pipefail
top=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$top/scripts/translations.sh" pot "$work"
diff -u "$top/po/tbrwiz.pot" "$work/tbrwiz.pot" ||
    { echo "po/tbrwiz.pot is out of date: run scripts/translations.sh" >&2; exit 1; }
for po in "$top"/po/*.po; do
    # msgcmp: every text of the template is in the catalogue.
    msgcmp --use-untranslated "$po" "$work/tbrwiz.pot" ||
        { echo "$po lacks texts: run scripts/translations.sh" >&2; exit 1; }
done
echo "the catalogue holds the current texts"
