#!/usr/bin/env bash
# The staged AppStream metainfo passes `appstreamcli validate --no-net` (pedantic too), names the
# product, its licence, its release and the desktop entry it launches, and its screenshots are
# files in docs/.
#   usage: metainfo.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
src=$1 work=$3
need appstreamcli
root=$work/stage/usr/local
info=$root/share/metainfo/$APP_ID.metainfo.xml
[ -f "$info" ] || { fail "no staged metainfo (did desktop.install_tree run?)"; finish; }

if report=$(timeout 60 appstreamcli validate --no-net --pedantic --no-color "$info" 2>&1); then
    pass "appstreamcli validate --no-net --pedantic accepts it"
else
    fail "appstreamcli validate: $report"
fi

tag() { sed -n "s|^ *<$1>\(.*\)</${1%% *}>$|\1|p" "$info" | head -n 1; }
expect "id" "$(tag id)" "$APP_ID"
expect "name" "$(tag 'name translate="no"')" "Tambrels Wizard"
expect "German summary" "$(tag 'summary xml:lang="de"')" "Tambrel-Dokumente für den Editor erstellen"
# The summary, the description's two paragraphs, three captions and the release's notes.
every_language "every text" "$info" 7 'xml:lang="@"' "$src"
expect "project licence" "$(tag project_license)" MIT
expect "launchable" "$(tag 'launchable type="desktop-id"')" "$APP_ID.desktop"
[ -f "$root/share/applications/$(tag 'launchable type="desktop-id"')" ] &&
    pass "the launchable desktop entry is installed" || fail "the launchable is not installed"
expect "release" "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$info")" "1.00"
expect "binary" "$(tag binary)" tbrwiz

# Each screenshot points into the repository's docs/; the file must be there.
shots=$(sed -n 's|.*<image>.*/\(docs/[^<]*\)</image>.*|\1|p' "$info")
[ -n "$shots" ] || fail "no screenshot points into docs/"
for shot in $shots; do
    [ -f "$src/$shot" ] && pass "screenshot $shot exists" || fail "screenshot $shot is not in the repository"
done
finish
