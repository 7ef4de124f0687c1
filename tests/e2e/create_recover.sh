#!/usr/bin/env bash
# The failures a user meets on the way, and the way back, with the keyboard alone: a folder that
# does not exist ends in the creation error and nothing is written; once the folder is there the
# same Finish works; an existing document is kept when the replace question is answered No and
# replaced by exactly the new bytes on Yes; answering No to the editor ends with status 0.
. "$(dirname "$0")/lib.sh"
make_home Desktop
folder="$work/Work Folder"
start_tbrwiz
to_name_page_with_folder "$folder"
type_text "Notes"
keys Return
wait_window "Error!!!"
keys Return
[ -e "$folder" ] && fail "something was written for a missing folder"

mkdir "$folder"
printf 'the old document' >"$folder/Notes.tbr"
wait_window "Create Tambrel"
keys Return                # the name box holds "Notes" again: Finish
wait_window "Query?"
keys Return                # replace? No is the default
sleep 0.5
[ "$(cat "$folder/Notes.tbr")" = "the old document" ] || fail "the old document was touched"
kill -0 "$app_pid" || fail "the wizard ended after keeping the old document"

wait_window "Create Tambrel"
keys Return
wait_window "Query?"
keys alt+y                 # replace
sleep 0.5
wait_window "Query?"
keys Escape                # edit now? No
expect_exit 0
cmp "$folder/Notes.tbr" <(expected_document) || fail "the document's bytes differ"
[ -e "$TBR_FAKE_EDITOR_LOG" ] && fail "the editor was started after No"
echo "PASS"
