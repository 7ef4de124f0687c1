#!/usr/bin/env bash
# The real program as a screen reader sees it: accessibility.py walks both windows through
# AT-SPI. Runs inside scripts/with-xvfb.sh and dbus-run-session, which give it a display and a session bus
# of its own; the accessibility bus is started here and stopped at the end.
. "$(dirname "$0")/lib.sh"
python=/usr/bin/python3  # Debian's, with python3-pyatspi (a python3 on PATH may lack it)
launcher=/usr/libexec/at-spi-bus-launcher
if ! [ -x "$launcher" ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: at-spi2-core or python3-pyatspi is not installed"
    exit 77
fi
session_bus=$DBUS_SESSION_BUS_ADDRESS
make_home Desktop
export DBUS_SESSION_BUS_ADDRESS=$session_bus  # a screen reader needs the session's bus
"$launcher" --launch-immediately &
bus_pid=$!
trap 'kill "${app_pid:-0}" "$bus_pid" 2>/dev/null || true; rm -rf "$work"' EXIT

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_tbrwiz
"$python" "$(dirname "$0")/accessibility.py" "$app_pid" || fail "see above"
expect_exit 0
echo "PASS"
