#!/usr/bin/env bash
# Records what a screen reader (Orca) says on a walk through both windows by keyboard alone: the
# main window, the wizard's location page (Escape, which leaves it open, and each control in
# turn) and name page, "< Back", Cancel and the main window again (the banner, Close), then a new
# document through Finish and the question after it, answered No.
#
#   scripts/screen-reader-walk.sh                      installs what it needs (scripts/setup.sh
#                                                      screen-reader), builds tbrwiz as the run
#                                                      command does (build/release), walks, and
#                                                      writes the transcript into
#                                                      docs/accessibility.md
#   scripts/screen-reader-walk.sh TBRWIZ [TRANSCRIPT]  walks that program and writes the
#                                                      transcript to TRANSCRIPT (default: stdout);
#                                                      status 77 when a tool is missing
#
# It runs on a virtual X server (scripts/with-xvfb.sh) with a session bus, an accessibility bus
# and a speech server of its own, whose dummy module speaks nothing: each "SPEECH OUTPUT" line of
# Orca's debug log is what would have been spoken. Each step waits until Orca has said what the
# step expects and fails after 30 s, so the walk is a check as well as a record. Paths under the
# walk's scratch home read as /home/user.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

question="You are about to create a new Tambrel. Where would you like your Tambrel located?"

# --- Inside the virtual display and the session bus -------------------------------------------

fail() {
    echo "screen-reader-walk: FAIL: $*" >&2
    [ -z "${log:-}" ] || { echo "--- what was said:" >&2; said 0 >&2; }
    exit 1
}

# What Orca said after the first $1 lines of its log, one utterance a line.
said() {
    tail -n "+$(($1 + 1))" "$log" 2>/dev/null |
        sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' \{0,1\}{'established.*\$/\1/p" | sed 's/ *$//'
}
log_lines() { wc -l <"$log"; }

# Starts a step: what was said since the last step goes to the transcript, then the step's name.
mark() {
    flush
    printf '[%s]\n' "$1" >>"$transcript"
    from=$(log_lines)
}
flush() {
    [ -z "${from:-}" ] || said "$from" | sed 's/^/    /' >>"$transcript"
}

# The words a listener hears, whatever a version of Orca writes around them: small letters, no
# punctuation, and a push button simply a button (Orca 43 says "push button", 48 "button").
heard() {
    tr '[:upper:]' '[:lower:]' | sed -e 's/push button/button/g' -e 's/[.,;:!?]//g' \
        -e 's/  */ /g' -e 's/^ //' -e 's/ $//'
}

# Waits until Orca has said each phrase, in this order, since the step began (a phrase may share
# an utterance with the one before it), then until it has been quiet for half a second.
hear() {
    local deadline=$((SECONDS + 30)) lines phrase i found
    while :; do
        mapfile -t lines < <(said "$from" | heard)
        i=0
        found=0
        for phrase in "$@"; do
            phrase=$(heard <<<"$phrase")
            while [ "$i" -lt "${#lines[@]}" ] && [[ ${lines[$i]} != *"$phrase"* ]]; do
                i=$((i + 1))
            done
            [ "$i" -lt "${#lines[@]}" ] || break
            found=$((found + 1))
        done
        [ "$found" -eq $# ] && break
        [ "$SECONDS" -lt "$deadline" ] || fail "Orca did not say '${*:found+1:1}'"
        sleep 0.1
    done
    local before=-1 now
    while now=$(log_lines) && [ "$now" != "$before" ]; do
        before=$now
        sleep 0.5
    done
}

keys() { xdotool key --delay 100 "$@"; }

# Gives the window of this title the keyboard, as a window manager would when it appears.
focus() {
    local id pattern
    pattern=$(printf '%s' "$1" | sed 's/[][\.*^$?+(){}|]/\\&/g')
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "^$pattern\$" | head -1) ||
        fail "no window titled '$1' appeared"
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
}

walk() {
    local tbrwiz=$1 out=$2 app_pid
    work=$(mktemp -d)
    pids=()
    trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
    unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME  # the desktop's own
    mkdir -p "$HOME/Desktop" "$XDG_CONFIG_HOME/speech-dispatcher" "$work/orca"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # The speech server's only module is the one that speaks nothing.
    printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' \
        >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
    log="$work/orca.log"
    transcript="$work/transcript"
    : >"$transcript"

    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.out" 2>&1 &
    pids+=($!)
    speech-dispatcher -s -t 0 >"$work/speech.out" 2>&1 &
    pids+=($!)
    for _ in $(seq 300); do
        [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break
        sleep 0.1
    done
    # Orca writes its debug log in blocks to a file but line by line to a terminal: on the
    # terminal that script(1) records, each utterance is in the log as soon as it is said.
    script -qfec "orca -u '$work/orca' --debug-file=/dev/tty" "$log" </dev/null >/dev/null 2>&1 &
    pids+=($!)
    from=0
    hear "Screen reader on."
    from=""

    mark "tbrwiz starts"
    "$tbrwiz" &
    app_pid=$!
    pids+=("$app_pid")
    focus "Tambrel Wizard"
    hear "Tambrel Wizard frame." "Close push button."
    mark Tab
    keys Tab
    hear "Create a new Tambrel. push button."
    mark Space
    keys space
    focus "Create Tambrel"
    hear "Create Tambrel dialog" "$question" "Next > push button."
    mark Escape
    keys Escape
    hear escape
    mark Tab
    keys Tab
    hear "Windows Desktop." "selected radio button"
    mark Down
    keys Down
    hear "Other Location." "selected radio button"
    mark Tab
    keys Tab
    hear "Folder text."
    mark Tab
    keys Tab
    hear "Browse... push button."
    mark Tab
    keys Tab
    hear "Cancel push button."
    mark Tab
    keys Tab
    hear "Next > push button."
    mark Space
    keys space
    hear "Please type a name for your Tambrel text."
    mark Tab
    keys Tab
    hear "< Back push button."
    mark Space
    keys space
    hear "Cancel push button."
    mark Space
    keys space
    focus "Tambrel Wizard"
    hear "Tambrel Wizard frame." "Close push button."
    mark Shift+Tab
    keys shift+Tab
    hear "Tambrel Wizard"
    mark Tab
    keys Tab
    hear "Close push button."
    mark Tab
    keys Tab
    hear "Create a new Tambrel. push button."
    mark Space
    keys space
    focus "Create Tambrel"
    hear "Create Tambrel dialog" "$question" "Next > push button."
    mark Space
    keys space
    hear "Please type a name for your Tambrel text."
    mark "types Notes"
    xdotool type --delay 100 Notes
    hear N o t e s
    mark Enter
    keys Return
    focus "Query?"
    hear "Would you like to edit the Tambrel now?" "Yes push button."
    mark Tab
    keys Tab
    hear "No push button."
    mark Space
    keys space
    local status=0
    wait "$app_pid" || status=$?
    [ "$status" -eq 0 ] || fail "tbrwiz ended with status $status"
    [ -f "$HOME/Desktop/Notes.tbr" ] || fail "no document was written"
    flush
    from=""
    echo "[tbrwiz has ended]" >>"$transcript"
    if [ "$out" = - ]; then
        sed "s|$HOME|/home/user|g" "$transcript"
    else
        sed "s|$HOME|/home/user|g" "$transcript" >"$out"
    fi
}

if [ "${1:-}" = --inside ]; then
    walk "$2" "$3"
    exit 0
fi

# --- Outside ------------------------------------------------------------------------------------

if [ $# -gt 0 ]; then
    for tool in orca speech-dispatcher dbus-run-session script /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || {
            echo "SKIP: $tool is not installed (scripts/setup.sh screen-reader installs it)"
            exit 77
        }
    done
    out=-
    [ -z "${2:-}" ] || out=$(realpath "$2")
    exec "$here/with-xvfb.sh" dbus-run-session -- \
        bash "$here/screen-reader-walk.sh" --inside "$(realpath "$1")" "$out"
fi

top=$(cd "$here/.." && pwd)
cd "$top"
scripts/setup.sh screen-reader
cmake --preset release >/dev/null
cmake --build --preset release --target tbrwiz
transcript=$(mktemp)
trap 'rm -f "$transcript"' EXIT
"$here/screen-reader-walk.sh" "$top/build/release/ui/qt/tbrwiz" "$transcript"

# The transcript replaces what stands between the two markers in docs/accessibility.md.
doc=docs/accessibility.md
begin='<!-- screen-reader-walk: begin -->'
end='<!-- screen-reader-walk: end -->'
grep -qxF -- "$begin" "$doc" && grep -qxF -- "$end" "$doc" ||
    { echo "screen-reader-walk: no transcript markers in $doc" >&2; exit 1; }
{
    sed -n "1,/^$begin\$/p" "$doc"
    echo '```'
    cat "$transcript"
    echo '```'
    sed -n "/^$end\$/,\$p" "$doc"
} >"$doc.new"
mv "$doc.new" "$doc"
echo "screen-reader-walk: the transcript is in $doc"
