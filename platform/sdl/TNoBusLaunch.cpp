#include "platform/sdl/TNoBusLaunch.h"

#include <cstdlib>

#include "platform/services/ChildEnvironment.h"

namespace {
constexpr const char* BusVariable = "DBUS_SESSION_BUS_ADDRESS";
constexpr const char* NoBus = "disabled:";
} // namespace

TNoBusLaunch::TNoBusLaunch() {
    const char* address = std::getenv(BusVariable);
    FSet = !address || !*address;
    if (FSet) FSet = SetOwnVariable(BusVariable, NoBus);
}

TNoBusLaunch::~TNoBusLaunch() {
    Restore();
}

void TNoBusLaunch::Restore() {
    if (FSet) RemoveOwnVariable(BusVariable);
    FSet = false;
}
