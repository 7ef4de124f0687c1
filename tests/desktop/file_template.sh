#!/usr/bin/env bash
# The staged "Create New" template: a valid link entry whose source, beside it, is byte for byte
# the document the wizard writes, shown with the installed document icon.
#   usage: file_template.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
src=$1 work=$3
need desktop-file-validate cmp
templates=$work/stage/usr/local/share/templates
entry=$templates/$TEMPLATE.desktop
[ -f "$entry" ] || { fail "no staged template (did desktop.install_tree run?)"; finish; }

validate_entry "$entry"

key() { entry_key "$entry" "$1"; }
expect "Type" "$(key Type)" Link
expect "URL" "$(key URL)" ".source/$TEMPLATE.tbr"
# File managers offer the name without "..." (and with the source's extension) for the new file.
expect "Name" "$(key Name)" "Tambrel document..."
expect "Name in Arabic" "$(key 'Name\[ar\]')" "مستند Tambrel..."
every_language "Name and Comment" "$entry" 2 "[@]=" "$src"
expect "Icon" "$(key Icon)" application-x-tambrel
[ -n "$(find "$templates/../icons/hicolor" -path "*/mimetypes/$(key Icon).png")" ] &&
    pass "Icon is installed" || fail "Icon $(key Icon) is not installed"

sample=$(mktemp)
make_sample_document "$src" "$sample"
if cmp "$sample" "$templates/$(key URL)"; then
    pass "the template's source is the new document, all $(wc -c <"$sample") bytes"
else
    fail "the template's source differs from a new document"
fi
rm -f "$sample"
finish
