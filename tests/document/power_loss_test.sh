#!/usr/bin/env bash
# Power loss while a new document replaces an old file, on a real journalling file system (xfs
# in a loop-mounted image). "Power loss" is a file-system shutdown that drops everything not yet
# on the disk; a remount then shows what a reboot would show.
#
#   1. After the writer reports success, the new document must survive the cut.
#   2. Control: the same writer with its folder flush silently dropped (by the fault shim) must be
#      caught, otherwise this harness proves nothing.
#   3. A kill before each of the writer's file calls, then the cut: the target holds exactly the
#      old file or exactly the new document.
#
# usage: power_loss_test.sh <document_write_driver> <fault shim library>
# Exits 77 (skipped) without root, mount namespaces, loop devices or the xfs tools.
set -u
driver=$1
shim=$2
export PATH="$PATH:/usr/sbin:/sbin"

skip() {
    echo "SKIPPED: $*"
    exit 77
}
fail() {
    echo "FAILED: $*"
    exit 1
}

[ "$(id -u)" -eq 0 ] || skip "needs root"
for tool in unshare mount umount mkfs.xfs xfs_io timeout truncate cmp sync; do
    command -v "$tool" >/dev/null || skip "needs $tool"
done

# Everything below runs in a private mount namespace: its mounts vanish with it.
if [ -z "${TBR_POWER_LOSS_INSIDE:-}" ]; then
    timeout 10 unshare -m true 2>/dev/null || skip "no mount namespaces"
    TBR_POWER_LOSS_INSIDE=1 exec timeout 240 unshare -m --propagation private bash "$0" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tbr-power-loss-XXXXXX")
image=$work/fs.img
disk=$work/disk
trap 'umount "$disk" 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$disk"
truncate -s 300M "$image"
timeout 60 mkfs.xfs -q "$image" || skip "mkfs.xfs cannot make an image here"
timeout 30 mount -o loop "$image" "$disk" 2>/dev/null || skip "cannot mount a loop device"

# The reference bytes, from the writer itself on an ordinary folder.
"$driver" "$work/new.tbr" || fail "the writer cannot write a document at all"
[ "$(stat -c %s "$work/new.tbr")" -eq 2291 ] || fail "the reference document is not 2291 bytes"
yes "an old document of someone's" | head -c 5000 >"$work/old.tbr"

target=$disk/docs/Notes.tbr

# One trial: a durable old file, the writer (the arguments are extra environment for it), the
# cut, the remount. Sets $exit (the writer's exit status) and $state (old, new, missing, mixed).
trial() {
    rm -rf "$disk/docs" && mkdir "$disk/docs" && cp "$work/old.tbr" "$target" && sync -f "$disk" ||
        fail "cannot prepare the old file"
    # (The braces keep the shell from announcing the planned kills.)
    { timeout 10 env "$@" "$driver" "$target"; } >/dev/null 2>&1
    exit=$?
    timeout 10 xfs_io -x -c shutdown "$disk" || fail "cannot shut the file system down"
    timeout 30 umount "$disk" && timeout 30 mount -o loop "$image" "$disk" ||
        fail "cannot mount the image again"
    if [ ! -e "$target" ]; then
        state=missing
    elif cmp -s "$target" "$work/new.tbr"; then
        state=new
    elif cmp -s "$target" "$work/old.tbr"; then
        state=old
    else
        state=mixed
    fi
}

# 1. Success is durable.
for attempt in 1 2 3; do
    trial
    [ "$exit" -eq 0 ] || fail "the writer failed (exit $exit)"
    [ "$state" = new ] || fail "success was reported, but after the power cut the target is $state"
done
echo "ok: a reported success survives the power cut"

# 2. Control: a writer that skips the folder flush must be caught (its rename is lost).
caught=no
for attempt in 1 2 3; do
    trial LD_PRELOAD="$shim" TBR_FAULT_SKIP_FOLDER_SYNC=1
    [ "$exit" -eq 0 ] || fail "the control writer failed (exit $exit)"
    case $state in
        new) ;;
        old) caught=yes && break ;;
        *) fail "the control writer left the target $state" ;;
    esac
done
[ "$caught" = yes ] || fail "the harness does not notice a writer that skips the folder flush"
echo "ok: the harness catches a writer that skips the folder flush"

# 3. A kill before each file call, then the cut.
rm -f "$work/trace"
trial LD_PRELOAD="$shim" TBR_FAULT_TRACE="$work/trace"
calls=$(wc -l <"$work/trace")
[ "$calls" -ge 6 ] || fail "the shim saw only $calls calls"
for ((n = 1; n <= calls; n++)); do
    trial LD_PRELOAD="$shim" TBR_FAULT_CALL="$n" TBR_FAULT_ACTION=kill
    case $state in
        old | new) ;;
        *) fail "killed before call $n ($(sed -n "${n}p" "$work/trace")): the target is $state" ;;
    esac
done
echo "ok: a kill before any of the $calls file calls, then a power cut, leaves old or new"
exit 0
