#!/usr/bin/env bash
# The writer where it cannot tell whether a document is there: a folder that may be neither
# listed nor entered holds the old document. Root passes every permission, so as root the test
# program runs without the capabilities that let it, as a user without rights to the folder
# would. Afterwards the old document must be as it was, and nothing beside it.
#   unlistable_folder.sh <wine-run.sh> <win32_document_test.exe>
set -euo pipefail
run=${1:?wine-run.sh} exe=${2:?test program}
scratch=$(mktemp -d)
trap 'chmod 700 "$scratch/locked"; rm -rf "$scratch"' EXIT
mkdir "$scratch/locked"
printf 'the old document' >"$scratch/locked/Notes.tbr"
chmod 000 "$scratch/locked"

as_user=()
if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || { echo "no setpriv (util-linux)"; exit 77; }
    drop=-dac_override,-dac_read_search
    as_user=(setpriv --inh-caps="$drop" --bounding-set="$drop")
fi
TBR_UNLISTABLE_TARGET="Z:${scratch//\//\\}\\locked\\Notes.tbr" \
    "${as_user[@]}" "$run" "$exe" --gtest_filter=WriteNewDocumentOnWindows.CannotTellWhatIsThere

chmod 700 "$scratch/locked"
[ "$(cat "$scratch/locked/Notes.tbr")" = 'the old document' ] ||
    { echo "FAIL: the old document changed" >&2; exit 1; }
[ "$(ls -A "$scratch/locked")" = Notes.tbr ] ||
    { echo "FAIL: left beside it: $(ls -A "$scratch/locked")" >&2; exit 1; }
echo "the old document is as it was"
