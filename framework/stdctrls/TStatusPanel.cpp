#include "stdctrls/TStatusPanel.h"

#include "component/PropertyHelpers.h"
#include "stdctrls/TStatusPanels.h"

const TClassInfo* TStatusPanel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TStatusPanel>(
        "TStatusPanel", nullptr,
        {
            EnumProp("Alignment", &TStatusPanel::SetAlignment,
                     {"taLeftJustify", "taRightJustify", "taCenter"}),
            EnumProp("Bevel", &TStatusPanel::SetBevel, {"pbNone", "pbLowered", "pbRaised"}),
            EnumProp("Style", &TStatusPanel::SetStyle, {"psText", "psOwnerDraw"}),
            StrProp("Text", &TStatusPanel::SetText),
            IntProp("Width", &TStatusPanel::SetWidth),
        });
    return &info;
}

const TClassInfo* TStatusPanel::ClassInfo() const {
    return StaticClassInfo();
}

void TStatusPanel::SetText(const std::string& s) {
    if (s == FText) return;
    FText = s;
    Changed();
}

void TStatusPanel::SetWidth(int w) {
    FWidth = w < 0 ? 0 : w;
    Changed();
}

void TStatusPanel::SetAlignment(TAlignment a) {
    FAlignment = a;
    Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel b) {
    FBevel = b;
    Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle s) {
    FStyle = s;
    Changed();
}

void TStatusPanel::Changed() {
    if (FOwner) FOwner->Changed();
}
