#!/usr/bin/env bash
# A relative folder, typed with the keyboard alone while the program runs in another folder, is
# taken below the home folder: "-x" means ~/-x, the document goes there, and the editor gets the
# full path, never an argument that it could read as an option. Nothing but the document is
# written into HOME.
. "$(dirname "$0")/lib.sh"
make_home Desktop
mkdir "$HOME/-x" "$work/-x"
cd "$work"
start_tbrwiz
to_name_page_with_folder " -x "
type_text "Notes"
keys Return
wait_window "Query?"
keys Return                # edit now? Yes
expect_exit 0
expect_editor_args "$HOME/-x/Notes.tbr"
cmp "$HOME/-x/Notes.tbr" <(expected_document) || fail "the document's bytes differ"
[ -z "$(ls -A "$work/-x")" ] || fail "something was written below the working folder"
expect_only_in_home "$HOME/-x/Notes.tbr"
echo "PASS"
