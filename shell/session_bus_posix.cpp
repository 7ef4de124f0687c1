#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/session_bus.h"

namespace tbr {
namespace {

constexpr char kVariable[] = "DBUS_SESSION_BUS_ADDRESS";
// A transport no bus library knows: every connection attempt fails at once, without side effects.
constexpr char kNoBus[] = "disabled:";
constexpr char kAddedEntry[] = "DBUS_SESSION_BUS_ADDRESS=disabled:";

// Whether this program set the variable itself (and so may take it back out of the environment).
bool variableAdded = false;

// The per-user bus that the bus library looks for when the variable is unset: a socket of ours.
bool UserBusSocketExists() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || runtime[0] == '\0') {
        return false;
    }
    struct stat info = {};
    const std::string socket = std::string(runtime) + "/bus";
    return ::lstat(socket.c_str(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == ::getuid();
}

}  // namespace

void KeepOffMissingSessionBus() {
    if (std::getenv(kVariable) != nullptr || UserBusSocketExists()) {
        return;
    }
    variableAdded = ::setenv(kVariable, kNoBus, 0) == 0;
}

bool IsAddedForMissingSessionBus(const char* entry) {
    return variableAdded && entry != nullptr && std::strcmp(entry, kAddedEntry) == 0;
}

}  // namespace tbr
