// Windows has no session message bus to keep off.
#include "shell/session_bus.h"

namespace tbr {

void KeepOffMissingSessionBus() {}

bool IsAddedForMissingSessionBus(const char*) {
    return false;
}

}  // namespace tbr
