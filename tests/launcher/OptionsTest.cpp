#include "LauncherFixture.h"

#include <sstream>

#include "framework/stdctrls/TButton.h"
#include "framework/stdctrls/TCheckBox.h"
#include "framework/stdctrls/TComboBox.h"
#include "framework/stdctrls/TEdit.h"
#include "framework/stdctrls/TGroupBox.h"
#include "framework/stdctrls/TLabel.h"
#include "framework/stdctrls/TTrackBar.h"

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

TEST_F(LauncherTest, SettingsAreShownAndWrittenBackUnchanged) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    EXPECT_EQ(Form2->sEdit1->Text(), "jogador");
    EXPECT_FALSE(Form2->sCheckBox1->Checked());
    EXPECT_TRUE(Form2->sCheckBox2->Checked());
    EXPECT_EQ(Form2->sComboBox2->ItemIndex(), 1);
    EXPECT_EQ(Form2->sComboBox1->ItemIndex(), 2);
    EXPECT_EQ(Form2->sComboBox1->Text(), "1024x768");
    EXPECT_EQ(Form2->sTrackBar1->Position(), 7);
    Form2->Show();
    ClickOn(Form2->sButton1);
    EXPECT_FALSE(Form2->Visible());
    const Settings s = Stored();
    EXPECT_EQ(s.Id, "jogador");
    EXPECT_EQ(s.Music, 1);
    EXPECT_EQ(s.Sound, 0);
    EXPECT_EQ(s.Depth, 1);
    EXPECT_EQ(s.Resolution, 2);
    EXPECT_EQ(s.Volume, 7);
}

TEST_F(LauncherTest, OutOfRangeValuesAreShownSanelyAndWrittenAsShown) {
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
        EXPECT_EQ(Form2->sCheckBox2->Checked(), c.musicChecked);
        EXPECT_EQ(Form2->sTrackBar1->Position(), c.shownVolume);
        EXPECT_EQ(Form2->sComboBox1->ItemIndex(), c.shownResolution);
        EXPECT_EQ(Form2->sComboBox1->Text(), "");
        ClickOn(Form2->sButton1);
        const Settings s = Stored();
        EXPECT_EQ(s.Music, c.writtenMusic);
        EXPECT_EQ(s.Volume, c.shownVolume);
        EXPECT_EQ(s.Resolution, -1);
        EXPECT_EQ(s.Id, "");
        DestroyLauncher();
    }
}

TEST_F(LauncherTest, ReadErrorsStopTheDialogsHandler) {
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
        EXPECT_EQ(Form1->sButton1->Caption(), "Play");
        DestroyLauncher();
    }
}

TEST_F(LauncherTest, FirstRunNoticeThenApplyCreatesEveryValue) {
    WriteFullIni("1");
    CreateLauncher();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Vá até as Opções e Configre do melhor modo!"}));
    EXPECT_EQ(Form2->Caption(), "Configuration");
    EXPECT_EQ(Form2->sGroupBox2->Caption(), "Video");
    EXPECT_EQ(Form2->sLabel2->Caption(), "Resolution:");
    EXPECT_EQ(Form2->sLabel3->Caption(), "Colors:");
    EXPECT_EQ(Form2->sCheckBox1->Caption(), "Effects");
    EXPECT_EQ(Form2->sCheckBox2->Caption(), "Music");
    EXPECT_EQ(Form2->sButton1->Caption(), "OK");
    EXPECT_EQ(Form2->sButton2->Caption(), "Cancel");
    {
        TRegistry reg;
        EXPECT_TRUE(reg.KeyExists(std::string("\\") + GameSettingsKey));
    }
    Form2->sEdit1->SetText("novo");
    Form2->sCheckBox1->SetChecked(true);
    Form2->sTrackBar1->SetPosition(4);
    ClickOn(Form2->sButton1);
    const Settings s = Stored();
    EXPECT_EQ(s.Id, "novo");
    EXPECT_EQ(s.Sound, 1);
    EXPECT_EQ(s.Music, 0);
    EXPECT_EQ(s.Depth, 0);
    EXPECT_EQ(s.Resolution, 0);
    EXPECT_EQ(s.Volume, 4);
}

TEST_F(LauncherTest, CancelWritesNothingAndKeepsEdits) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    ClickOn(Form1->sButton3);
    Form2->sEdit1->SetText("mudado");
    Form2->sComboBox1->SetItemIndex(3);
    ClickOn(Form2->sButton2);
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(Stored().Id, "jogador");
    ClickOn(Form1->sButton3);
    EXPECT_EQ(Form2->sEdit1->Text(), "mudado");
    EXPECT_EQ(Form2->sComboBox1->ItemIndex(), 3);
}

TEST_F(LauncherTest, AWriteErrorKeepsTheDialogOpen) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    Form2->Show();
    // A store that cannot be parsed is never overwritten: the write fails.
    std::ofstream(Folder / "registry.reg", std::ios::app) << "garbage line\n";
    ClickOn(Form2->sButton1);
    EXPECT_TRUE(Form2->Visible());
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_TRUE(MessageBoxLog()[0].StopIcon);
}
