#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program on a virtual X server:
# docs/main-window.png, docs/create-wizard.png (location page), docs/create-wizard-name.png, and
# the same at twice the scale (a high-density screen) as docs/main-window@2x.png and so on.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/setup.sh run
cmake --preset dev >/dev/null
cmake --build --preset dev --target tbrwiz

# A home that reads well in the folder box; nothing is written there.
for scale in 1 2; do
    suffix=$([ "$scale" = 2 ] && echo @2x || true)
    HOME=/home/owner XDG_CONFIG_HOME=/nonexistent QT_QPA_PLATFORMTHEME= QT_SCALE_FACTOR=$scale \
    scripts/with-xvfb.sh bash -c '
        set -euo pipefail
        shoot() {
            local id
            id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
            xdotool windowfocus --sync "$id"
            sleep 0.5
            import -window "$id" "$2"
        }
        "$1" & pid=$!
        shoot "Tambrel Wizard" "docs/main-window$2.png"
        xdotool key Tab space
        shoot "Create Tambrel" "docs/create-wizard$2.png"
        xdotool key space; sleep 0.3; xdotool type "Sunday lunch"; sleep 0.3
        shoot "Create Tambrel" "docs/create-wizard-name$2.png"
        kill "$pid"
    ' _ "$top/build/dev/ui/qt/tbrwiz" "$suffix"
done
echo "screenshots: docs/main-window.png docs/create-wizard.png docs/create-wizard-name.png" \
    "and their @2x versions"
