#include "launcher/Unit3.h"

#include "framework/component/PropertyHelpers.h"

#include "controls/TsLabel.h"
#include "controls/TsWebLabel.h"
#include "launcher/CenterWindow.h"
#include "launcher/FormBinding.h"
#include "launcher/StartupWork.h"

extern const char Unit3Definition[];

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* owner) : TForm(owner) {}

const TClassInfo* TForm3::StaticClassInfo() {
    // The handlers its definition may name.
    static const TClassInfo info = MakeClassInfo<TForm3>(
        "TForm3", TForm::StaticClassInfo(), {}, {Method("FormCreate", &TForm3::FormCreate)});
    return &info;
}

const TClassInfo* TForm3::ClassInfo() const {
    return StaticClassInfo();
}

std::string TForm3::DefinitionText() const {
    return Unit3Definition;
}

void TForm3::ReadDefinition() {
    // Parsed ahead with the start-up work when it ran.
    if (!TStartupWork::ReadParsedDefinition(this, DefinitionFileName())) TForm::ReadDefinition();
    BindComponent(this, sLabel1, "sLabel1");
    BindComponent(this, sWebLabel1, "sWebLabel1");
    BindComponent(this, sWebLabel2, "sWebLabel2");
}

void TForm3::FormCreate(TObject*) {
    CenterWindow(this);
}
