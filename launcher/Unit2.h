#pragma once
// The options dialog: the game client's own settings in the registry.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/TsButton.h"
#include "framework/forms/TForm.h"
#include "platform/services/RegImportText.h"

class TsPanel;
class TsLabel;
class TsEdit;
class TsGroupBox;
class TsComboBox;
class TsCheckBox;
class TsTrackBar;
class TWineApply;
struct TWineApplyResult;
class TsHintManager;

namespace Unit2 {
extern int32_t MusicSwitch;
extern int32_t SoundSwitch;
extern int32_t Volume;
extern int32_t Lang;
} // namespace Unit2

// The key under the current user where the client keeps its settings.
extern const char* const GameSettingsKey;

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);
    ~TForm2() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();
    std::string DefinitionText() const override;
    std::string DefinitionFileName() const override { return "Unit2.dfm"; }
    void ReadDefinition() override;

    TsPanel* sPanel1 = nullptr;
    TsLabel* sLabel1 = nullptr;
    TsEdit* sEdit1 = nullptr;
    TsGroupBox* sGroupBox2 = nullptr;
    TsLabel* sLabel2 = nullptr;
    TsComboBox* sComboBox1 = nullptr;
    TsLabel* sLabel3 = nullptr;
    TsComboBox* sComboBox2 = nullptr;
    TsGroupBox* sGroupBox1 = nullptr;
    TsCheckBox* sCheckBox1 = nullptr;
    TsCheckBox* sCheckBox2 = nullptr;
    TsTrackBar* sTrackBar1 = nullptr;
    TsButton* sButton1 = nullptr;
    TsButton* sButton2 = nullptr;
    TsHintManager* sHintManager1 = nullptr;

    void FormCreate(TObject* Sender);
    void sButton1Click(TObject* Sender);
    void sButton2Click(TObject* Sender);

    // True while Apply's write goes through Wine in the background.
    bool ApplyRunning() const { return FWineApply != nullptr; }
    // Runs once the write through Wine has ended and its outcome was shown
    // (at once when none runs); a later call replaces an earlier one.
    void WhenApplied(std::function<void()> then);

private:
    // The six values Apply writes, in the order it writes them.
    std::vector<TRegNamedValue> AppliedValues() const;
    void WriteStore(const std::vector<TRegNamedValue>& values);
    void StartWineApply(const std::string& prefix, std::vector<TRegNamedValue> values);
    void WineApplyDone(const TWineApplyResult& result);

    std::unique_ptr<TWineApply> FWineApply;
    std::string FCaptionBeforeApply;
    std::function<void()> FWhenApplied;
};

extern TForm2* Form2;
