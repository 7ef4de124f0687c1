#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program on a virtual X server:
# docs/main-window.png, docs/create-wizard.png (location page), docs/create-wizard-name.png, and
# the same at twice the scale (a high-density screen) as docs/main-window@2x.png and so on; and
# both windows in German, Japanese, Korean, Arabic, Persian and Traditional Chinese
# (docs/main-window-de.png, docs/create-wizard-de.png, ...).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/setup.sh run
cmake --preset dev >/dev/null
cmake --build --preset dev --target tbrwiz

# Shoots the window titled $1 into $2 once it is shown (run on the virtual display).
shoot() {
    local id
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
    xdotool windowfocus --sync "$id"
    sleep 0.5
    import -window "$id" "$2"
}
export -f shoot

# A home that reads well in the folder box; nothing is written there.
for scale in 1 2; do
    suffix=$([ "$scale" = 2 ] && echo @2x || true)
    HOME=/home/owner XDG_CONFIG_HOME=/nonexistent QT_QPA_PLATFORMTHEME= QT_SCALE_FACTOR=$scale \
    scripts/with-xvfb.sh bash -c '
        set -euo pipefail
        "$1" & pid=$!
        shoot "Tambrel Wizard" "docs/main-window$2.png"
        xdotool key Tab space
        shoot "Create Tambrel" "docs/create-wizard$2.png"
        xdotool key space; sleep 0.3; xdotool type "Sunday lunch"; sleep 0.3
        shoot "Create Tambrel" "docs/create-wizard-name$2.png"
        kill "$pid"
    ' _ "$top/build/dev/ui/qt/tbrwiz" "$suffix"
done
# In other languages: the windows are found by their titles in that language.
languages=("de|Tambrel-Assistent|Tambrel erstellen" "ja|Tambrel ウィザード|Tambrel の作成"
           "ko|Tambrel 마법사|Tambrel 만들기" "ar|معالج Tambrel|إنشاء Tambrel"
           "fa|جادوگر Tambrel|ایجاد Tambrel" "zh_TW|Tambrel 精靈|建立 Tambrel")
for entry in "${languages[@]}"; do
    IFS='|' read -r language main wizard <<<"$entry"
    HOME=/home/owner XDG_CONFIG_HOME=/nonexistent QT_QPA_PLATFORMTHEME= LANGUAGE=$language \
    scripts/with-xvfb.sh bash -c '
        set -euo pipefail
        "$1" & pid=$!
        shoot "$3" "docs/main-window-$2.png"
        xdotool key Tab space
        shoot "$4" "docs/create-wizard-$2.png"
        kill "$pid"
    ' _ "$top/build/dev/ui/qt/tbrwiz" "$language" "$main" "$wizard"
done
echo "screenshots: docs/main-window.png docs/create-wizard.png docs/create-wizard-name.png," \
    "their @2x versions, and both windows in ${#languages[@]} languages"
