#!/usr/bin/env bash
# An install from source straight into a prefix (no DESTDIR), as `sudo cmake --install build`
# does into /usr/local, leaves that prefix's MIME database knowing .tbr documents without any
# further step, and refreshes an icon cache that was already there.
#   usage: live_install.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
src=$1 build=$2
need update-mime-database gio
prefix=$(mktemp -d /tmp/tbrwiz-prefix.XXXXXX)
trap 'rm -rf "$prefix"' EXIT

# A stale icon cache, as a desktop that had other icons in this prefix would have.
have_icon_cache=0
if command -v gtk-update-icon-cache >/dev/null; then
    mkdir -p "$prefix/share/icons/hicolor/16x16/apps"
    cp "$src/packaging/icons/hicolor/16x16/apps/$APP_ID.png" \
        "$prefix/share/icons/hicolor/16x16/apps/some-other-program.png"
    gtk-update-icon-cache --quiet --force --ignore-theme-index "$prefix/share/icons/hicolor"
    have_icon_cache=1
fi

log=$prefix/install.log
timeout 60 cmake --install "$build" --prefix "$prefix" >"$log" 2>&1 ||
    { cat "$log"; fail "cmake --install failed"; finish; }

[ -f "$prefix/share/mime/mime.cache" ] && pass "the install updated the MIME database" ||
    fail "no mime.cache in the prefix after install: $(cat "$log")"
make_sample_document "$src" "$prefix/document.tbr"
expect "gio: document in the installed prefix" \
    "$(MIME_HOME=$prefix/none gio_attr "$prefix/share" "$prefix/document.tbr" standard::content-type)" \
    application/x-tambrel

if [ "$have_icon_cache" = 1 ]; then
    for name in "$APP_ID" application-x-tambrel; do
        grep -q "$name" "$prefix/share/icons/hicolor/icon-theme.cache" &&
            pass "the icon cache knows $name" || fail "the icon cache was not refreshed for $name"
    done
fi
finish
