#pragma once
// The options dialog: the game client's own settings in the registry.

#include <cstdint>
#include <string>

#include "controls/TsButton.h"
#include "framework/forms/TForm.h"

class TPanel;
class TLabel;
class TEdit;
class TGroupBox;
class TComboBox;
class TCheckBox;
class TTrackBar;

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

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();
    std::string DefinitionText() const override;
    std::string DefinitionFileName() const override { return "Unit2.dfm"; }
    void ReadDefinition() override;

    TPanel* sPanel1 = nullptr;
    TLabel* sLabel1 = nullptr;
    TEdit* sEdit1 = nullptr;
    TGroupBox* sGroupBox2 = nullptr;
    TLabel* sLabel2 = nullptr;
    TComboBox* sComboBox1 = nullptr;
    TLabel* sLabel3 = nullptr;
    TComboBox* sComboBox2 = nullptr;
    TGroupBox* sGroupBox1 = nullptr;
    TCheckBox* sCheckBox1 = nullptr;
    TCheckBox* sCheckBox2 = nullptr;
    TTrackBar* sTrackBar1 = nullptr;
    TsButton* sButton1 = nullptr;
    TsButton* sButton2 = nullptr;

    void FormCreate(TObject* Sender);
    void sButton1Click(TObject* Sender);
    void sButton2Click(TObject* Sender);
};

extern TForm2* Form2;
