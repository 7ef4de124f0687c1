#!/usr/bin/env bash
# Installs the Debian packages of a set that are missing, and nothing else.
#
#   scripts/setup.sh run    what building and running the Linux program needs (packages/run.txt)
#   scripts/setup.sh tests-build
#                           that, and what building the tests needs (packages/tests-build.txt)
#   scripts/setup.sh test   those, and everything the tests need on top (packages/test.txt)
#   scripts/setup.sh screen-reader
#                           run's, and a screen reader for scripts/screen-reader-walk.sh
#                           (packages/screen-reader.txt)
#
# As root it runs apt-get itself; as a user it goes through sudo. A user without sudo gets the
# list of missing packages and the command that installs them, and status 1. When everything is
# there it does nothing, so it is safe to run again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

case "${1:-}" in
    run) lists=("$here/packages/run.txt") ;;
    tests-build) lists=("$here/packages/run.txt" "$here/packages/tests-build.txt") ;;
    test) lists=("$here/packages/run.txt" "$here/packages/tests-build.txt" "$here/packages/test.txt") ;;
    screen-reader) lists=("$here/packages/run.txt" "$here/packages/screen-reader.txt") ;;
    *) echo "usage: $0 run|tests-build|test|screen-reader" >&2; exit 2 ;;
esac

mapfile -t wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' "${lists[@]}" | grep -v '^$')
missing=()
for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

install=(apt-get install -y -q --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
    as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null; then
    as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
    {
        echo "setup: these Debian packages are missing: ${missing[*]}"
        echo "setup: installing them needs root, and sudo is not installed. As root, run:"
        echo "    apt-get update && ${install[*]}"
    } >&2
    exit 1
fi

echo "setup: installing ${missing[*]}"
if ! "${as_root[@]}" apt-get update -q || ! "${as_root[@]}" "${install[@]}"; then
    echo "setup: installing failed. As root, run: apt-get update && ${install[*]}" >&2
    exit 1
fi
