#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/services/TRegistry.h"

TEST(RegistryStore, LivesUnderTheUsersConfigFolder) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string keep = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(RegistryStorePath(), "/cfg/quelm-launcher/registry.reg");
    setenv("QUELM_REGISTRY", "/elsewhere.reg", 1);
    EXPECT_EQ(RegistryStorePath(), "/elsewhere.reg");
    unsetenv("QUELM_REGISTRY");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/u", 1);
    EXPECT_EQ(RegistryStorePath(), "/home/u/.config/quelm-launcher/registry.reg");
    if (saved) setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
}
