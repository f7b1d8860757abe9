#include "LauncherFixture.h"

#include <cstdio>

class OptionsDialog : public HeadlessLauncher {
protected:
    // Settings kept in a prefix that Wine (the stand-in script in the test
    // folder) is to make; Apply then goes through it.
    void UseStandInWine(const std::string& script, const std::string& prefix) {
        std::ofstream(Folder / "wine") << script;
        fs::permissions(Folder / "wine", fs::perms::owner_all);
        setenv("WINE", (Folder / "wine").c_str(), 1);
        SetRegistryStorePath("");
        UseSettingsLocation(
            TSettingsLocation{TSettingsKind::skWinePrefix, (Folder / prefix).string(), "test"});
    }
    // Lets the loop run until Apply's write through Wine has ended.
    void WaitForApply() {
        for (int i = 0; i < 500 && Form2->ApplyRunning(); ++i) {
            Wait(100);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        UseSettingsLocation(std::nullopt);
        unsetenv("WINE");
    }
};

namespace {
struct Settings {
    std::string Id;
    int32_t Music, Sound, Depth, Resolution, Volume;
};

Settings Stored() {
    TRegistry reg;
    reg.OpenKey(GameSettingsKey, false);
    return {reg.ReadString("ID"),          reg.ReadInteger("MusicOnOff"),
            reg.ReadInteger("SoundOnOff"), reg.ReadInteger("ColorDepth"),
            reg.ReadInteger("Resolution"), reg.ReadInteger("VolumeLevel")};
}

std::string Dword(const char* name, int32_t v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "\"%s\"=dword:%08x\n", name, static_cast<uint32_t>(v));
    return buf;
}
} // namespace

TEST_F(OptionsDialog, SettingsAreShownAndWrittenBackUnchanged) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    EXPECT_EQ(Text("sEdit1"), "jogador");
    EXPECT_FALSE(Checked("sCheckBox1"));
    EXPECT_TRUE(Checked("sCheckBox2"));
    EXPECT_EQ(ItemIndex("sComboBox2"), 1);
    EXPECT_EQ(ItemIndex("sComboBox1"), 2);
    EXPECT_EQ(Text("sComboBox1"), "1024x768");
    EXPECT_EQ(Position("sTrackBar1"), 7);
    Form2->Show();
    Click("Form2.sButton1");
    EXPECT_FALSE(Form2->Visible());
    const Settings s = Stored();
    EXPECT_EQ(s.Id, "jogador");
    EXPECT_EQ(s.Music, 1);
    EXPECT_EQ(s.Sound, 0);
    EXPECT_EQ(s.Depth, 1);
    EXPECT_EQ(s.Resolution, 2);
    EXPECT_EQ(s.Volume, 7);
}

TEST_F(OptionsDialog, OutOfRangeValuesAreShownSanelyAndWrittenAsShown) {
    struct Case {
        int32_t music, volume, resolution;
        bool musicChecked;
        int shownVolume, shownResolution;
        int32_t writtenMusic;
    };
    for (const Case& c : {Case{2, 15, 7, false, 10, -1, 0}, Case{1, -3, -1, true, 0, -1, 1}}) {
        WriteFullIni("0");
        WriteSettings("\"ID\"=\"\"\n" + Dword("MusicOnOff", c.music) + Dword("SoundOnOff", 1) +
                      Dword("ColorDepth", 0) + Dword("Resolution", c.resolution) +
                      Dword("VolumeLevel", c.volume));
        CreateLauncher();
        EXPECT_EQ(Checked("sCheckBox2"), c.musicChecked);
        EXPECT_EQ(Position("sTrackBar1"), c.shownVolume);
        EXPECT_EQ(ItemIndex("sComboBox1"), c.shownResolution);
        EXPECT_EQ(Text("sComboBox1"), "");
        Click("Form2.sButton1");
        const Settings s = Stored();
        EXPECT_EQ(s.Music, c.writtenMusic);
        EXPECT_EQ(s.Volume, c.shownVolume);
        EXPECT_EQ(s.Resolution, -1);
        EXPECT_EQ(s.Id, "");
        DestroyLauncher();
    }
}

TEST_F(OptionsDialog, ReadErrorsStopTheDialogsHandler) {
    struct Case {
        std::string values;
        std::string box;
    };
    const std::string res = Dword("Resolution", 1);
    for (const Case& c : {Case{res + "\"ID\"=\"x\"\n", "Failed to get data for 'MusicOnOff'"},
                          Case{res + "\"ID\"=dword:00000001\n", "Invalid data type for 'ID'"},
                          Case{res + "\"ID\"=\"x\"\n\"MusicOnOff\"=\"1\"\n",
                               "Invalid data type for 'MusicOnOff'"}}) {
        SCOPED_TRACE(c.box);
        ClearMessageBoxLog();
        WriteFullIni("1");
        WriteSettings(c.values);
        CreateLauncher();
        EXPECT_EQ(BoxTexts(), (std::vector<std::string>{c.box})); // no full stop after a quote
        EXPECT_TRUE(MessageBoxLog()[0].StopIcon);
        // The language switch comes after the failing step, so it stays Portuguese.
        EXPECT_EQ(Form2->Caption(), "Configurações");
        EXPECT_EQ(Caption("Form1.sButton1"), "Play");
        DestroyLauncher();
    }
}

TEST_F(OptionsDialog, FirstRunNoticeThenApplyCreatesEveryValue) {
    WriteFullIni("1");
    CreateLauncher();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Vá até as Opções e Configre do melhor modo!"}));
    EXPECT_EQ(Form2->Caption(), "Configuration");
    EXPECT_EQ(Caption("sGroupBox2"), "Video");
    EXPECT_EQ(Caption("sLabel2"), "Resolution:");
    EXPECT_EQ(Caption("sLabel3"), "Colors:");
    EXPECT_EQ(Caption("sCheckBox1"), "Effects");
    EXPECT_EQ(Caption("sCheckBox2"), "Music");
    EXPECT_EQ(Caption("Form2.sButton1"), "OK");
    EXPECT_EQ(Caption("Form2.sButton2"), "Cancel");
    {
        TRegistry reg;
        EXPECT_TRUE(reg.KeyExists(std::string("\\") + GameSettingsKey));
    }
    Type("sEdit1", "novo");
    Check("sCheckBox1", true);
    Slide("sTrackBar1", 4);
    Click("Form2.sButton1");
    const Settings s = Stored();
    EXPECT_EQ(s.Id, "novo");
    EXPECT_EQ(s.Sound, 1);
    EXPECT_EQ(s.Music, 0);
    EXPECT_EQ(s.Depth, 0);
    EXPECT_EQ(s.Resolution, 0);
    EXPECT_EQ(s.Volume, 4);
}

TEST_F(OptionsDialog, CancelWritesNothingAndKeepsEdits) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    Click("sButton3");
    Type("sEdit1", "mudado");
    Choose("sComboBox1", 3);
    Click("Form2.sButton2");
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(Stored().Id, "jogador");
    Click("sButton3");
    EXPECT_EQ(Text("sEdit1"), "mudado");
    EXPECT_EQ(ItemIndex("sComboBox1"), 3);
}

TEST_F(OptionsDialog, AWriteErrorKeepsTheDialogOpen) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    Form2->Show();
    // A store that cannot be parsed is never overwritten: the write fails.
    std::ofstream(Folder / "registry.reg", std::ios::app) << "garbage line\n";
    Click("Form2.sButton1");
    EXPECT_TRUE(Form2->Visible());
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_TRUE(MessageBoxLog()[0].StopIcon);
}

// Under Wine the store is the game's prefix: what the game saved shows, and
// Apply changes what the game reads, leaving the rest of the file alone.
TEST_F(OptionsDialog, UnderWineTheDialogWorksOnThePrefixsRegistry) {
    const std::string prefix = (Folder / "prefix").string();
    fs::create_directories(prefix);
    const std::string before = "WINE REGISTRY Version 2\n\n#arch=win32\n\n"
                               "[Software\\\\Korvan\\\\Quelm\\\\Config] 1600000000\n"
                               "\"ColorDepth\"=dword:00000001\n\"ID\"=\"jogad\\xf4r\"\n"
                               "\"MusicOnOff\"=dword:00000001\n\"Resolution\"=dword:00000002\n"
                               "\"SoundOnOff\"=dword:00000000\n\"VolumeLevel\"=dword:00000003\n"
                               "\n[Software\\\\Wine] 1600000001\n\"Version\"=\"win7\"\n";
    std::ofstream(prefix + "/user.reg") << before;
    SetRegistryStorePath("");
    UseSettingsLocation(TSettingsLocation{TSettingsKind::skWinePrefix, prefix, "test"});
    WriteFullIni("0");
    CreateLauncher();
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(Text("sEdit1"), "jogad\u00F4r");
    EXPECT_EQ(ItemIndex("sComboBox1"), 2);
    EXPECT_EQ(Position("sTrackBar1"), 3);
    Type("sEdit1", "novo");
    Click("Form2.sButton1");
    const std::string after = ReadTestFile(prefix + "/user.reg");
    UseSettingsLocation(std::nullopt);
    EXPECT_NE(after.find("\"ID\"=\"novo\"\n\"MusicOnOff\""), std::string::npos) << after;
    EXPECT_TRUE(after.ends_with("\n\n[Software\\\\Wine] 1600000001\n\"Version\"=\"win7\"\n"));
    EXPECT_FALSE(fs::exists(Folder / "registry.reg"));
}

// Apply on a prefix not made yet goes to Wine in the background; a Wine that
// fails says why, and the dialog comes back as it was. The stand-in Wine
// fails as a broken install would.
TEST_F(OptionsDialog, UnderWineAFailedWriteThroughWineIsReported) {
    UseStandInWine("#!/bin/sh\necho \"wine: broken install\" >&2\nexit 3\n", "no-prefix");
    WriteFullIni("0");
    CreateLauncher();
    Form2->Show();
    ClearMessageBoxLog();
    Click("Form2.sButton1");
    EXPECT_TRUE(Form2->ApplyRunning());
    EXPECT_FALSE(Find("Form2.sButton1")->Enabled());
    EXPECT_EQ(Form2->Caption(), "Configurações - preparando o Wine...");
    Click("Form2.sButton1"); // a second Apply while the first runs does nothing
    WaitForApply();
    EXPECT_TRUE(Form2->Visible());
    EXPECT_TRUE(Find("Form2.sButton1")->Enabled());
    EXPECT_EQ(Form2->Caption(), "Configurações");
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_TRUE(MessageBoxLog()[0].StopIcon);
    EXPECT_NE(MessageBoxLog()[0].Text.find("não pôde ser criada"), std::string::npos);
    EXPECT_NE(MessageBoxLog()[0].Text.find("wine: broken install"), std::string::npos)
        << MessageBoxLog()[0].Text;
    EXPECT_FALSE(fs::exists(Folder / "no-prefix"));
}

// Closing the launcher while Apply still goes through Wine waits for Wine to
// end: a Wine killed while it makes the prefix would leave it half made, and
// the settings the player applied would never be written.
TEST_F(OptionsDialog, UnderWineClosingWaitsForTheWriteToEnd) {
    UseStandInWine(
        "#!/bin/sh\n"
        "log=\"$(dirname \"$0\")/wine.log\"\n"
        "case \"$1\" in\n"
        "wineboot) sleep 1; mkdir -p \"$WINEPREFIX/drive_c\"; echo booted >> \"$log\";;\n"
        "reg) echo imported >> \"$log\";;\n"
        "esac\n",
        "new-prefix");
    WriteFullIni("0");
    CreateLauncher();
    Form1->Show();
    Form2->Show();
    ClearMessageBoxLog();
    Click("Form2.sButton1");
    ASSERT_TRUE(Form2->ApplyRunning());
    Click("Form1.sButton4"); // "Sair"
    EXPECT_FALSE(Application->Terminated());
    WaitForApply();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(ReadTestFile((Folder / "wine.log").string()), "booted\nimported\n");
    EXPECT_TRUE(MessageBoxLog().empty()) << MessageBoxLog()[0].Text;
}
