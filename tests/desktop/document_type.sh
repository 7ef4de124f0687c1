#!/usr/bin/env bash
# With the staged type file in a MIME database of its own (update-mime-database, as the system's
# trigger would run it), a new document resolves to application/x-tambrel with the Tambrel icon,
# both for GIO (GNOME, gio info) and for Qt (KDE, QMimeDatabase); plain icons stay icons; and
# without the type file the same document would be taken for an icon.
#   usage: document_type.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
src=$1 work=$3 query=$5
need update-mime-database gio
root=$work/stage/usr/local
type_file=$root/share/mime/packages/$APP_ID.xml
[ -f "$type_file" ] || { fail "no staged type file (did desktop.install_tree run?)"; finish; }

dir=$work/document_type
rm -rf "$dir"
mkdir -p "$dir/files"
cd "$dir/files" || exit 1
make_sample_document "$src" document.tbr
expect "sample document size" "$(stat -c %s document.tbr)" 2291
cp document.tbr "Loud Name.TBR"
cp document.tbr document-without-extension
cp "$src/resources/default_document.ico" icon.ico
# An icon followed by other text of the same length: still an icon, whatever its name lacks.
{ cat icon.ico; printf '\r\n<START XYZ>\r\n"USERDEF"\r\n1,"MS Sans Serif","8",0,0\r\n'; } >other-icon
cd "$dir" || exit 1

every_language "the type's name" "$type_file" 1 '<comment xml:lang="@">' "$src"
mime_db with-type "$type_file" >/dev/null
mime_db without-type >/dev/null
[ -f with-type/share/mime/application/x-tambrel.xml ] &&
    pass "update-mime-database registers application/x-tambrel" ||
    fail "update-mime-database did not register application/x-tambrel"

cases=(
    # file                          type with our type file
    "document.tbr                   application/x-tambrel"
    "Loud Name.TBR                  application/x-tambrel"
    "document-without-extension     application/x-tambrel"
    "icon.ico                       image/vnd.microsoft.icon"
    "other-icon                     image/vnd.microsoft.icon"
)
export MIME_HOME=$dir/with-type/home
for row in "${cases[@]}"; do
    file=$(sed 's/  .*//' <<<"$row")
    want=${row##* }
    expect "gio: $file" "$(gio_attr "$dir/with-type/share" "files/$file" standard::content-type)" "$want"
    qt=$(XDG_DATA_DIRS=$dir/with-type/share XDG_DATA_HOME=$MIME_HOME timeout 20 "$query" "files/$file")
    expect "Qt: $file" "${qt%% *}" "$want"
done

icons=$(gio_attr "$dir/with-type/share" files/document.tbr standard::icon)
expect "gio: first icon of a document" "${icons%%,*}" application-x-tambrel
qt=$(XDG_DATA_DIRS=$dir/with-type/share XDG_DATA_HOME=$MIME_HOME timeout 20 "$query" files/document.tbr)
expect "Qt: icon of a document" "${qt#* }" application-x-tambrel
for n in "${ICON_SIZES[@]}"; do
    [ -f "$root/share/icons/hicolor/${n}x${n}/mimetypes/application-x-tambrel.png" ] ||
        fail "document icon missing at ${n}x${n}"
done

# The reason for the type file: without it the same document is an icon to the desktop.
export MIME_HOME=$dir/without-type/home
expect "gio without the type file" \
    "$(gio_attr "$dir/without-type/share" files/document.tbr standard::content-type)" \
    image/vnd.microsoft.icon
qt=$(XDG_DATA_DIRS=$dir/without-type/share XDG_DATA_HOME=$MIME_HOME timeout 20 "$query" files/document.tbr)
expect "Qt without the type file" "${qt%% *}" image/vnd.microsoft.icon
finish
