// The bus address is "disabled:" only while SDL starts: the programs the
// launcher starts afterwards get the environment it was given.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/sdl/TNoBusLaunch.h"

namespace {

constexpr const char* Bus = "DBUS_SESSION_BUS_ADDRESS";

std::string Address() {
    const char* value = std::getenv(Bus);
    return value ? value : "(unset)";
}

TEST(NoBusLaunchTest, DisablesAnUnsetBusOnlyForItsScopeAndLeavesAGivenOneAlone) {
    const std::string before = Address();
    unsetenv(Bus);
    {
        TNoBusLaunch outer;
        EXPECT_EQ(Address(), "disabled:");
        {
            const TNoBusLaunch inner; // the host's, inside the program's
        }
        EXPECT_EQ(Address(), "disabled:");
        outer.Restore();
        EXPECT_EQ(Address(), "(unset)");
    }
    EXPECT_EQ(Address(), "(unset)");
    setenv(Bus, "unix:path=/run/user/bus", 1);
    {
        const TNoBusLaunch given;
        EXPECT_EQ(Address(), "unix:path=/run/user/bus");
    }
    EXPECT_EQ(Address(), "unix:path=/run/user/bus");
    if (before == "(unset)")
        unsetenv(Bus);
    else
        setenv(Bus, before.c_str(), 1);
}

} // namespace
