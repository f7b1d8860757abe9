#include "launcher/Unit2.h"

#include <utility>

#include "framework/component/PropertyHelpers.h"

#include <algorithm>

#include "controls/TsCheckBox.h"
#include "controls/TsComboBox.h"
#include "controls/TsEdit.h"
#include "controls/TsGroupBox.h"
#include "controls/TsLabel.h"
#include "controls/TsPanel.h"
#include "controls/TsTrackBar.h"
#include "framework/component/SysUtils.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TScreen.h"
#include "framework/stdctrls/MessageBox.h"
#include "framework/stdctrls/TButton.h"
#include "hints/TsHintManager.h"
#include "launcher/CenterWindow.h"
#include "launcher/FormBinding.h"
#include "launcher/StartupWork.h"
#include "launcher/TWineApply.h"
#include "launcher/Unit1.h"
#include "launcher/WineTexts.h"
#include "platform/services/FindWine.h"
#include "platform/services/TIniFile.h"
#include "platform/services/TRegistry.h"
#include "platform/services/TWinePrefixBackend.h"
#include "platform/services/WineStartCheck.h"

extern const char Unit2Definition[];

const char* const GameSettingsKey = "Software\\Korvan\\Quelm\\Config";

TForm2* Form2 = nullptr;

namespace Unit2 {
// The dialog's own copies between reading the controls and writing the key,
// and its own reading of the language switch.
int32_t MusicSwitch = 0;
int32_t SoundSwitch = 0;
int32_t Volume = 0;
int32_t Lang = 0;
} // namespace Unit2

using namespace Unit2;

namespace {
const char* const FirstRunNotice = "Vá até as Opções e Configre do melhor modo!";

// 1 checks, 0 unchecks, anything else leaves the box as it was designed.
void ApplySwitch(TCheckBox* box, int32_t value) {
    if (value == 1) box->SetChecked(true);
    if (value == 0) box->SetChecked(false);
}
} // namespace

TForm2::TForm2(TComponent* owner) : TForm(owner) {}

TForm2::~TForm2() = default;

const TClassInfo* TForm2::StaticClassInfo() {
    // The handlers its definition may name.
    static const TClassInfo info =
        MakeClassInfo<TForm2>("TForm2", TForm::StaticClassInfo(), {},
                              {
                                  Method("FormCreate", &TForm2::FormCreate),
                                  Method("sButton1Click", &TForm2::sButton1Click),
                                  Method("sButton2Click", &TForm2::sButton2Click),
                              });
    return &info;
}

const TClassInfo* TForm2::ClassInfo() const {
    return StaticClassInfo();
}

std::string TForm2::DefinitionText() const {
    return Unit2Definition;
}

void TForm2::ReadDefinition() {
    // Parsed ahead with the start-up work when it ran.
    if (!TStartupWork::ReadParsedDefinition(this, DefinitionFileName())) TForm::ReadDefinition();
    BindComponent(this, sPanel1, "sPanel1");
    BindComponent(this, sLabel1, "sLabel1");
    BindComponent(this, sEdit1, "sEdit1");
    BindComponent(this, sGroupBox2, "sGroupBox2");
    BindComponent(this, sLabel2, "sLabel2");
    BindComponent(this, sComboBox1, "sComboBox1");
    BindComponent(this, sLabel3, "sLabel3");
    BindComponent(this, sComboBox2, "sComboBox2");
    BindComponent(this, sGroupBox1, "sGroupBox1");
    BindComponent(this, sCheckBox1, "sCheckBox1");
    BindComponent(this, sCheckBox2, "sCheckBox2");
    BindComponent(this, sTrackBar1, "sTrackBar1");
    BindComponent(this, sButton1, "sButton1");
    BindComponent(this, sButton2, "sButton2");
    BindComponent(this, sHintManager1, "sHintManager1");
}

void TForm2::FormCreate(TObject*) {
    CenterWindow(this);
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_CURRENT_USER);
        reg.OpenKey(GameSettingsKey, true);
        if (reg.ValueExists("Resolution")) {
            sEdit1->SetText(reg.ReadString("ID"));
            MusicSwitch = reg.ReadInteger("MusicOnOff");
            SoundSwitch = reg.ReadInteger("SoundOnOff");
            sComboBox2->SetItemIndex(reg.ReadInteger("ColorDepth"));
            sComboBox1->SetItemIndex(reg.ReadInteger("Resolution"));
            Volume = reg.ReadInteger("VolumeLevel");
            ApplySwitch(sCheckBox1, SoundSwitch);
            ApplySwitch(sCheckBox2, MusicSwitch);
            sTrackBar1->SetPosition(std::clamp(Volume, sTrackBar1->Min(), sTrackBar1->Max()));
            reg.CloseKey();
        } else {
            MessageBox(FirstRunNotice, Application->Title());
        }
    }
    const TIniFile ini(Unit1::LaunchIniPath);
    Unit2::Lang = StrToInt(ini.ReadString(Unit1::LaunchIniSection, "lang", ""));
    if (Unit2::Lang == 1) {
        sGroupBox2->SetCaption("Video");
        sLabel2->SetCaption("Resolution:");
        sLabel3->SetCaption("Colors:");
        sCheckBox1->SetCaption("Effects");
        sCheckBox2->SetCaption("Music");
        sButton1->SetCaption("OK");
        sButton2->SetCaption("Cancel");
        SetCaption("Configuration");
    }
}

std::vector<TRegNamedValue> TForm2::AppliedValues() const {
    // A list with no selection writes -1.
    return {{"ID", {REG_SZ, sEdit1->Text()}},
            {"MusicOnOff", DwordData(MusicSwitch)},
            {"SoundOnOff", DwordData(SoundSwitch)},
            {"ColorDepth", DwordData(sComboBox2->ItemIndex())},
            {"Resolution", DwordData(sComboBox1->ItemIndex())},
            {"VolumeLevel", DwordData(Volume)}};
}

void TForm2::sButton1Click(TObject*) {
    if (ApplyRunning()) return;
    SoundSwitch = sCheckBox1->Checked() ? 1 : 0;
    MusicSwitch = sCheckBox2->Checked() ? 1 : 0;
    Volume = sTrackBar1->Position();
    std::vector<TRegNamedValue> values = AppliedValues();
    const TSettingsLocation where = CurrentSettingsLocation();
    if (where.Kind == TSettingsKind::skWinePrefix) {
        if (const TWineCheck owner = CheckPrefixOwner(where.Path);
            owner.Problem != TWineProblem::wpNone) {
            MessageBox(WineProblemText(owner, Lang), Application->Title());
            return;
        }
        // Wine holds the registry while it runs, and makes the prefix first.
        if (TWinePrefixBackend(where.Path).WritesThroughWine())
            return StartWineApply(where.Path, std::move(values));
    }
    WriteStore(values);
    Hide();
}

void TForm2::WriteStore(const std::vector<TRegNamedValue>& values) {
    // The key is released on the way out whether or not the writes succeed;
    // a failed write leaves the dialog open with the error shown.
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    reg.OpenKey(GameSettingsKey, true);
    for (const auto& [name, data] : values) {
        if (data.Type == REG_SZ)
            reg.WriteString(name, data.Bytes);
        else
            reg.WriteInteger(name, DwordValue(data));
    }
}

void TForm2::StartWineApply(const std::string& prefix, std::vector<TRegNamedValue> values) {
    const std::string wine = FindWine();
    if (wine.empty()) {
        MessageBox(WineProblemText({TWineProblem::wpNoWine, {}, prefix, {}}, Lang),
                   Application->Title());
        return;
    }
    FWineApply = std::make_unique<TWineApply>(
        TWineWrite{wine, prefix, GameSettingsKey, std::move(values)},
        [this](const TWineApplyResult& result) { WineApplyDone(result); });
    FCaptionBeforeApply = Caption();
    SetCaption(FCaptionBeforeApply + WineBusyCaption(FWineApply->CreatingPrefix(), Lang));
    sButton1->SetEnabled(false);
    Screen->SetCursor(crHourGlass);
}

void TForm2::WineApplyDone(const TWineApplyResult& result) {
    const std::string prefix = CurrentSettingsLocation().Path;
    FWineApply.reset();
    SetCaption(FCaptionBeforeApply);
    sButton1->SetEnabled(true);
    Screen->SetCursor(crDefault);
    if (result.State == TWineWriteState::wwDone)
        Hide();
    else
        MessageBox(WineWriteFailureText(result.Failure, result.Detail, prefix, Lang),
                   Application->Title(), MB_ICONSTOP);
    if (auto then = std::exchange(FWhenApplied, nullptr)) then();
}

void TForm2::WhenApplied(std::function<void()> then) {
    if (ApplyRunning())
        FWhenApplied = std::move(then);
    else if (then)
        then();
}

void TForm2::sButton2Click(TObject*) {
    Hide();
}
