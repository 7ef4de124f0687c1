#!/usr/bin/env bash
# The staged desktop entry passes desktop-file-validate and says what the launcher needs: the
# name, a command that exists, an icon that is installed, and no document types (documents go to
# the editor, not to the wizard).
#   usage: launcher_entry.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
src=$1 work=$3 have_program=$4
need desktop-file-validate
root=$work/stage/usr/local
entry=$root/share/applications/$APP_ID.desktop
[ -f "$entry" ] || { fail "no staged desktop entry (did desktop.install_tree run?)"; finish; }

validate_entry "$entry"

key() { entry_key "$entry" "$1"; }
expect "Type" "$(key Type)" Application
expect "Name" "$(key Name)" "Tambrel Wizard"
expect "Name in Japanese" "$(key 'Name\[ja\]')" "Tambrel ウィザード"
expect "Keywords in German" "$(key 'Keywords\[de\]')" "Tambrel;tbr;Dokument;neu;erstellen;"
every_language "Name, GenericName, Comment and Keywords" "$entry" 4 "[@]=" "$src"
expect "Icon" "$(key Icon)" "$APP_ID"
expect "Exec" "$(key Exec)" tbrwiz
expect "Terminal" "$(key Terminal)" false
expect "Categories" "$(key Categories)" "Office;"
expect "MimeType lines" "$(grep -c '^MimeType' "$entry" || true)" 0

icons=$(find "$root/share/icons/hicolor" -path "*/apps/$(key Icon).png" | wc -l)
[ "$icons" -ge 1 ] && pass "Icon names $icons installed sizes" || fail "Icon $(key Icon) is not installed"
if [ "$have_program" = 1 ]; then
    [ -x "$root/bin/$(key Exec)" ] && pass "Exec names the installed program" ||
        fail "Exec $(key Exec) is not in bin/"
fi
finish
