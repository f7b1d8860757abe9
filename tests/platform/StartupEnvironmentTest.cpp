// What the program sets in the environment for SDL's start is its own: the
// programs the launcher starts get the environment it was given.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/sdl/TComposeCache.h"
#include "platform/sdl/TNoBusLaunch.h"
#include "platform/services/ChildEnvironment.h"
#include "tests/TempFolder.h"

namespace {

constexpr const char* Bus = "DBUS_SESSION_BUS_ADDRESS";
constexpr const char* Cache = "XCOMPOSECACHE";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "(unset)";
}

std::string Address() {
    return Variable(Bus);
}

// The variable's value as a program the launcher starts would see it.
std::string ForChildren(const char* name) {
    const std::string prefix = std::string(name) + "=";
    for (const std::string& entry : MergedEnvironment({}))
        if (entry.starts_with(prefix)) return entry.substr(prefix.size());
    return "(unset)";
}

// Sets a variable for the length of a test and puts the old value back.
struct TVariable {
    TVariable(const char* name, const char* value) : Name(name), Old(Variable(name)) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~TVariable() {
        if (Old == "(unset)")
            unsetenv(Name);
        else
            setenv(Name, Old.c_str(), 1);
    }
    const char* Name;
    std::string Old;
};

TEST(StartupEnvironmentTest, DisablesAnUnsetBusForThisProgramOnlyAndLeavesAGivenOneAlone) {
    {
        const TVariable unset(Bus, nullptr);
        TNoBusLaunch outer;
        EXPECT_EQ(Address(), "disabled:");
        EXPECT_EQ(ForChildren(Bus), "(unset)");
        {
            const TNoBusLaunch inner; // the host's, inside the program's
        }
        EXPECT_EQ(Address(), "disabled:");
        outer.Restore();
        EXPECT_EQ(Address(), "(unset)");
    }
    const TVariable given(Bus, "unix:path=/run/user/bus");
    {
        const TNoBusLaunch launch;
        EXPECT_EQ(Address(), "unix:path=/run/user/bus");
        EXPECT_EQ(ForChildren(Bus), "unix:path=/run/user/bus");
    }
    EXPECT_EQ(Address(), "unix:path=/run/user/bus");
}

// Xlib keeps a parsed compose table only for users other than the superuser,
// in a folder that is theirs alone.
TEST(StartupEnvironmentTest, ComposeCacheFolderIsPrivateAndOnlyForTheStart) {
    TTempFolder home;
    const TVariable cacheHome("XDG_CACHE_HOME", home.Path().c_str());
    const TVariable unset(Cache, nullptr);
    {
        TComposeCache cache;
        if (geteuid() == 0) {
            EXPECT_EQ(Variable(Cache), "(unset)");
            return;
        }
        ASSERT_EQ(Variable(Cache), TComposeCache::Folder());
        EXPECT_EQ(ForChildren(Cache), "(unset)");
        struct stat info {};
        ASSERT_EQ(stat(TComposeCache::Folder().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        const TComposeCache inner; // a second start-up scope changes nothing
        cache.Restore();
        EXPECT_EQ(Variable(Cache), "(unset)");
    }
    const TVariable chosen(Cache, "/elsewhere");
    const TComposeCache cache;
    EXPECT_EQ(Variable(Cache), "/elsewhere");
}

} // namespace
