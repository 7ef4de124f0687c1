// The desktop's message bus, as far as starting this program is concerned. Linux alone: Windows
// has no session bus to keep off.
#pragma once

namespace tbr {

// Where the session has no message bus (DBUS_SESSION_BUS_ADDRESS unset and no bus socket in
// $XDG_RUNTIME_DIR), the bus libraries would start a bus of their own ("autolaunch"): a daemon
// that outlives the program and writes ~/.dbus/. Called once at start, before any library reaches
// for the bus, this points them at an address that fails at once instead. Nothing changes where
// a bus is there.
void KeepOffMissingSessionBus();

// True for the one environment entry ("NAME=value") that KeepOffMissingSessionBus added: a
// program started from here gets the user's environment without it.
bool IsAddedForMissingSessionBus(const char* entry);

}  // namespace tbr
