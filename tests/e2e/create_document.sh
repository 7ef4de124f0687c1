#!/usr/bin/env bash
# Creates " Notes " on a desktop folder with a space in its name, with the keyboard alone, and
# answers Yes: the editor receives the full path as its one argument, the program ends with
# status 0, and the document holds exactly the bytes of a new Tambrel.
. "$(dirname "$0")/lib.sh"
make_home "My Desk"
start_tbrwiz
wait_window "Tambrel Wizard"
keys Tab space             # Close -> create button, press it
wait_window "Create Tambrel"
keys space                 # "Next >" has the focus
type_text " Notes "
keys Return                # Finish is the default button
wait_window "Query?"
keys Return                # Yes is the default answer
expect_exit 0
target="$desktop/Notes.tbr"
expect_editor_args "$target"
cmp "$target" <(expected_document) || fail "the document's bytes differ"
echo "PASS"
