#!/usr/bin/env bash
# The real program starts, shows its main window with the focus on "Close", and the space bar
# ends it at once with status 0.
. "$(dirname "$0")/lib.sh"
make_home Desktop
start_tbrwiz
wait_window "Tambrel Wizard"
keys space
expect_exit 0
echo "PASS"
