#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/services/FindWine.h"
#include "platform/services/TRegistry.h"
#include "platform/services/TWinePrefixBackend.h"
#include "tests/TempFolder.h"

namespace {

constexpr const char* kConfig = "Software\\Korvan\\Quelm\\Config";

const std::string kUserReg = "WINE REGISTRY Version 2\n"
                             ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
                             "\n"
                             "#arch=win32\n"
                             "\n"
                             "[Software\\\\Korvan\\\\Quelm\\\\Config] 1600000000\n"
                             "#time=1d6a1b2c3d4e5f6\n"
                             "\"ColorDepth\"=dword:00000001\n"
                             "\"ID\"=\"Jo\\xe3o\"\n"
                             "\"MusicOnOff\"=dword:00000000\n"
                             "\"Resolution\"=dword:00000002\n"
                             "\"SoundOnOff\"=dword:00000001\n"
                             "\"VolumeLevel\"=dword:0000000a\n"
                             "\n"
                             "[Software\\\\Wine] 1600000001\n"
                             "#time=1d6a1b2c3d4e5f7\n"
                             "\"Version\"=\"win7\"\n";

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ERegistryException& e) {
        return e.what();
    }
    return "no error";
}

// A server socket of the prefix under a scratch temporary root.
class TFakeServer {
public:
    explicit TFakeServer(std::string socketPath) : FPath(std::move(socketPath)) {
        std::filesystem::create_directories(std::filesystem::path(FPath).parent_path());
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        FPath.copy(addr.sun_path, sizeof addr.sun_path - 1);
        FFd = socket(AF_UNIX, SOCK_STREAM, 0);
        bind(FFd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
        listen(FFd, 4);
    }
    // The socket file stays, as after a server that crashed.
    void Crash() {
        close(FFd);
        FFd = -1;
    }
    ~TFakeServer() {
        if (FFd >= 0) close(FFd);
    }

private:
    std::string FPath;
    int FFd = -1;
};

// The game's prefix in a scratch folder, chosen as the settings' store.
class PrefixSettings : public testing::Test {
protected:
    void SetUp() override {
        UseSettingsLocation(TSettingsLocation{TSettingsKind::skWinePrefix, Prefix(), "test"});
    }
    void TearDown() override { UseSettingsLocation(std::nullopt); }
    std::string Prefix() const { return FDir / "prefix"; }
    std::string UserReg() const { return FDir.Read("prefix/user.reg"); }
    void SetUserReg(std::string_view text) const {
        std::filesystem::create_directories(Prefix());
        FDir.Write("prefix/user.reg", text);
    }
    TTempFolder FDir;
};

} // namespace

TEST_F(PrefixSettings, WhatTheGameSavedReadsAndApplyChangesOnlyItsLines) {
    SetUserReg(kUserReg);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kConfig, false));
    EXPECT_EQ(reg.ReadString("ID"), "Jo\u00E3o");
    EXPECT_EQ(reg.ReadInteger("Resolution"), 2);
    EXPECT_EQ(reg.ReadInteger("VolumeLevel"), 10);
    reg.WriteString("ID", "Ana \u00C9");
    reg.WriteInteger("VolumeLevel", 7);
    std::string text = UserReg();
    // The key's time stamp is now; everything but the changed lines is as it was.
    const size_t stamp = text.find("Config] ") + 8;
    text.replace(stamp, text.find('\n', stamp) - stamp, "T");
    const size_t time = text.find("#time=") + 6;
    text.replace(time, text.find('\n', time) - time, "T");
    std::string expected = kUserReg;
    expected.replace(expected.find("1600000000"), 10, "T");
    expected.replace(expected.find("1d6a1b2c3d4e5f6"), 15, "T");
    expected.replace(expected.find("\"ID\"=\"Jo\\xe3o\""), 14, "\"ID\"=\"Ana \\xc9\"");
    expected.replace(expected.find("dword:0000000a"), 14, "dword:00000007");
    EXPECT_EQ(text, expected);
    EXPECT_EQ(reg.ReadString("ID"), "Ana \u00C9");

    ASSERT_TRUE(reg.OpenKey("\\Software\\Korvan\\Other", true));
    EXPECT_NE(UserReg().find("\n\n[Software\\\\Korvan\\\\Other] "), std::string::npos);
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.KeyExists("\\Software\\Wine"));
}

TEST_F(PrefixSettings, NothingIsWrittenBehindWineOrIntoABrokenFile) {
    // No prefix yet: nothing to read, and a write says what to do.
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(kConfig, true));
    EXPECT_NE(ErrorOf([&] { reg.WriteString("ID", "x"); }).find("has not been created yet"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Prefix()));

    SetUserReg(kUserReg);
    const std::string root = FDir / "tmp";
    TWinePrefixBackend prefix(Prefix(), root);
    const TRegValueData one{REG_DWORD, std::string("\1\0\0\0", 4)};
    {
        TFakeServer server(WineServerSocketPath(Prefix(), root));
        EXPECT_NE(prefix.WhyNotWritable().find("Wine is running for the prefix"),
                  std::string::npos);
        EXPECT_THROW(prefix.SetValue(HKEY_CURRENT_USER, kConfig, "Resolution", one),
                     ERegistryUnavailable);
        EXPECT_EQ(UserReg(), kUserReg);
        EXPECT_TRUE(prefix.FindValue(HKEY_CURRENT_USER, kConfig, "Resolution")); // reads go on
        server.Crash();
        EXPECT_EQ(prefix.WhyNotWritable(), "");
    }
    prefix.SetValue(HKEY_CURRENT_USER, kConfig, "Resolution", one);
    EXPECT_NE(UserReg().find("\"Resolution\"=dword:00000001\n"), std::string::npos);

    // Wine packages that keep the server in a private folder name it in the prefix.
    FDir.Write("prefix/wineserver", "wine-Ab3_x.9");
    {
        const std::string classic = WineServerSocketPath(Prefix(), root);
        TFakeServer server(root + "/wine-Ab3_x.9" + classic.substr(classic.find("/server-")));
        EXPECT_TRUE(prefix.WritesThroughWine());
        FDir.Write("prefix/wineserver", "../wine-Ab3_x.9"); // only a plain folder name counts
        EXPECT_FALSE(prefix.WritesThroughWine());
    }

    SetUserReg(kUserReg + "garbage\n");
    const std::string error = ErrorOf([&] { reg.OpenKey(kConfig, false); });
    EXPECT_NE(error.find("user.reg line 18: unrecognised line"), std::string::npos) << error;
    EXPECT_THROW(prefix.SetValue(HKEY_CURRENT_USER, kConfig, "ID", one), ERegistryException);
    EXPECT_EQ(UserReg(), kUserReg + "garbage\n");
}

TEST(SettingsLocation, ChoosesTheStoreByTheRule) {
    TTempFolder dir;
    const auto keep = [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    const auto path = keep("PATH"), registry = keep("QUELM_REGISTRY"), wine = keep("WINE"),
               prefix = keep("WINEPREFIX");
    const std::string fakeWine = dir.Write("wine", "#!/bin/sh\n");
    chmod(fakeWine.c_str(), 0755);
    const std::string game = dir.Write("main.exe", std::string("MZ\x90\0", 4));
    setenv("PATH", (dir / "none").c_str(), 1);
    setenv("WINEPREFIX", (dir / "pfx").c_str(), 1);
    unsetenv("QUELM_REGISTRY");

    setenv("WINE", fakeWine.c_str(), 1);
    TSettingsLocation where = ChooseSettingsLocation(game);
    EXPECT_EQ(where.Kind, TSettingsKind::skWinePrefix);
    EXPECT_EQ(where.Path, dir / "pfx");
    EXPECT_NE(DescribeSettingsLocation(where).find("has not been created yet"), std::string::npos);
    EXPECT_EQ(ChooseSettingsLocation(dir / "missing.exe").Kind, TSettingsKind::skStoreFile);
    setenv("QUELM_REGISTRY", (dir / "mine.reg").c_str(), 1);
    where = ChooseSettingsLocation(game);
    EXPECT_EQ(where.Kind, TSettingsKind::skStoreFile);
    EXPECT_EQ(where.Path, dir / "mine.reg");
    unsetenv("QUELM_REGISTRY");
    unsetenv("WINE");
    if (FindWine().empty()) { // Wine installed in its usual places would be found
        EXPECT_EQ(ChooseSettingsLocation(game).Kind, TSettingsKind::skStoreFile);
    }

    for (const auto& [name, value] : {std::pair{"PATH", path},
                                      {"QUELM_REGISTRY", registry},
                                      {"WINE", wine},
                                      {"WINEPREFIX", prefix}}) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
}
