#!/usr/bin/env bash
# Opens an existing document whose folder and name hold spaces and quotes, with the keyboard
# alone: the editor receives exactly the typed path, and the program ends with status 0.
. "$(dirname "$0")/lib.sh"
make_home Desktop
folder="$HOME/Menus it's \$(here)"
mkdir -p "$folder"
doc="$folder/Sunday's lunch & tea.tbr"
expected_document >"$doc"
start_tbrwiz
wait_window "Tambrel Wizard"
keys Tab Tab space         # Close -> create -> edit, press it
wait_window "Select Tambrel"
type_text "$doc"
keys Return
expect_exit 0
expect_editor_args "$doc"
expect_only_in_home "$doc"  # the file dialog keeps no history
echo "PASS"
