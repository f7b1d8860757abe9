#pragma once
// The about dialog: a credit line and links to the authors' site and mail.

#include <string>

#include "framework/forms/TForm.h"

class TsLabel;
class TsWebLabel;

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();
    std::string DefinitionText() const override;
    std::string DefinitionFileName() const override { return "Unit3.dfm"; }
    void ReadDefinition() override;

    TsLabel* sLabel1 = nullptr;
    TsWebLabel* sWebLabel1 = nullptr;
    TsWebLabel* sWebLabel2 = nullptr;

    void FormCreate(TObject* Sender);
};

extern TForm3* Form3;
