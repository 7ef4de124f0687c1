#!/usr/bin/env bash
# The create road in the user's language, with the keyboard alone: the windows and the question
# are found by their translated titles (Arabic: mirrored windows, the same keys), and the document
# and the editor's argument are what they are in English. (Names are typed in Latin letters:
# xdotool types other scripts through a remapped key, which is not steady under load.)
#   languages.sh de|ar
. "$(dirname "$0")/lib.sh"
case "$1" in
    de) titles=("Tambrel-Assistent" "Tambrel erstellen" "Rückfrage?") name="Notizen" ;;
    ar) titles=("معالج Tambrel" "إنشاء Tambrel" "استفسار؟") name="Notes" ;;
    *) fail "no road for language '$1'" ;;
esac
make_home Desktop
export LANGUAGE=$1
start_tbrwiz
wait_window "${titles[0]}"
keys Tab space             # Close -> create button, press it
wait_window "${titles[1]}"
keys space                 # "Next >" has the focus
type_text "$name"
keys Return                # Finish is the default button
wait_window "${titles[2]}"
keys Return                # Yes is the default answer
expect_exit 0
expect_editor_args "$desktop/$name.tbr"
cmp "$desktop/$name.tbr" <(expected_document) || fail "the document's bytes differ"
echo "PASS"
