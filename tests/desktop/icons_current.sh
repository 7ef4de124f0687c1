#!/usr/bin/env bash
# The committed icons under packaging/icons/hicolor are what make-icons.sh makes from the current
# resources/: a change to a resource that was not followed by a new run of the script fails here.
#   usage: icons_current.sh <source-dir> <build-dir> <work-dir> <have-program 0|1> <mime-query>
source "$(dirname "$0")/lib.sh"
src=$1 work=$3
[ -x /usr/bin/convert ] && [ -x /usr/bin/compare ] || skip "ImageMagick is not installed"
out=$work/icons_current
rm -rf "$out"
bash "$src/packaging/icons/make-icons.sh" "$out" >/dev/null
# Same files, and pixel for pixel the same pictures (PNG bytes may differ between encoders).
committed=$(cd "$src/packaging/icons/hicolor" && find . -type f | sort)
made=$(cd "$out" && find . -type f | sort)
[ "$committed" = "$made" ] && pass "the same $(wc -l <<<"$made") icon files" ||
    fail "icon files differ: $(diff <(echo "$committed") <(echo "$made") | grep '^[<>]' | tr '\n' ' ')"
for f in $committed; do
    differing=$(/usr/bin/compare -metric AE "$src/packaging/icons/hicolor/$f" "$out/$f" null: 2>&1) || true
    [ "$differing" = 0 ] || fail "$f: $differing pixels differ"
done
[ "$failures" -eq 0 ] && pass "committed icons match make-icons.sh output" ||
    echo "committed icons are stale: run packaging/icons/make-icons.sh and commit" >&2
finish
