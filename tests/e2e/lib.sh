# Helpers for driving the real tbrwiz on a virtual X server with the keyboard alone.
# Sourced by the end-to-end scripts, which run on a virtual X server of their own
# (scripts/with-xvfb.sh).
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

# A scratch HOME whose desktop directory is "$HOME/$1", and a stand-in editor first on PATH.
make_home() {
    work=$(mktemp -d)
    trap 'kill "${app_pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
    export HOME="$work/home"
    export XDG_CONFIG_HOME="$HOME/.config"
    desktop="$HOME/$1"
    mkdir -p "$XDG_CONFIG_HOME" "$desktop"
    printf 'XDG_DESKTOP_DIR="$HOME/%s"\n' "$1" >"$XDG_CONFIG_HOME/user-dirs.dirs"
    export PATH="$FAKE_EDITOR_DIR:$PATH"
    export TBR_FAKE_EDITOR_LOG="$work/editor.log"
    unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
    # A session without a message bus: the program must not start one of its own.
    unset DBUS_SESSION_BUS_ADDRESS
    export XDG_RUNTIME_DIR="$work/run"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# The program writes no file but the document: nothing else may appear in HOME (no settings, no
# ~/.dbus of a bus daemon started for it). Arguments: the documents expected there.
expect_only_in_home() {
    local expected actual
    expected=$(printf '%s\n' "$XDG_CONFIG_HOME/user-dirs.dirs" "$@" | sort)
    actual=$(find "$HOME" -type f -o -type s -o -type l | sort)
    [ "$expected" = "$actual" ] || fail "files in HOME: $actual"
}

start_tbrwiz() {
    "$TBRWIZ" &
    app_pid=$!
}

# Waits until a window with exactly this title is visible and gives it the keyboard.
wait_window() {
    local id pattern
    pattern=$(printf '%s' "$1" | sed 's/[][\.*^$?+(){}|]/\\&/g')
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$pattern\$" | head -1) ||
        fail "no window titled '$1' appeared"
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    sleep 0.3
}

keys() { xdotool key --delay 80 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 30 -- "$1"; sleep 0.2; }

# From the main window to the wizard's name page, with "Other Location" and the folder $1 typed.
to_name_page_with_folder() {
    wait_window "Tambrel Wizard"
    keys Tab space             # Close -> create button, press it
    wait_window "Create Tambrel"
    keys Tab Down Tab          # "Other Location", into the folder box
    keys ctrl+a
    type_text "$1"
    keys Tab Tab Tab space     # Browse..., Cancel, "Next >"
}

# Waits for tbrwiz to end and checks its exit status.
expect_exit() {
    local status=0
    for _ in $(seq 100); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "tbrwiz is still running"
    wait "$app_pid" || status=$?
    [ "$status" -eq "$1" ] || fail "tbrwiz ended with status $status, expected $1"
}

# The editor's log holds its arguments, one per NUL-terminated record.
expect_editor_args() {
    [ -f "$TBR_FAKE_EDITOR_LOG" ] || fail "the editor was not started"
    local expected actual
    expected=$(printf '%s\0' "$@" | od -An -c)
    actual=$(editor_args | od -An -c)
    [ "$expected" = "$actual" ] || fail "editor arguments differ: $actual"
}

# The arguments the stand-in editor received after its own name, each ended by a NUL.
editor_args() {
    grep -z '^arg=' "$TBR_FAKE_EDITOR_LOG" | sed -z 's/^arg=//' | tail -z -n +2
}

# What every new document holds: the default icon, then the text section.
expected_document() {
    cat "$DEFAULT_ICON"
    printf '\r\n<START TBR>\r\n"USERDEF"\r\n1,"MS Sans Serif","8",0,0\r\n'
}
