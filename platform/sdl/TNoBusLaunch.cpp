#include "platform/sdl/TNoBusLaunch.h"

#include <cstdlib>

namespace {
constexpr const char* BusVariable = "DBUS_SESSION_BUS_ADDRESS";
constexpr const char* NoBus = "disabled:";
} // namespace

TNoBusLaunch::TNoBusLaunch() {
    const char* address = std::getenv(BusVariable);
    FSet = !address || !*address;
    if (FSet) setenv(BusVariable, NoBus, 1);
}

TNoBusLaunch::~TNoBusLaunch() {
    Restore();
}

void TNoBusLaunch::Restore() {
    if (FSet) unsetenv(BusVariable);
    FSet = false;
}
