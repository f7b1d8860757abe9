#include "controls/TsStatusBar.h"

#include "controls/ControlKinds.h"
#include "controls/HalfVisible.h"
#include "framework/component/PropertyHelpers.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"

TsStatusBar::TsStatusBar(TComponent* owner) : TsSkinnedControl(owner, ckStatusBar) {
    FControlStyle |= csAcceptsControls | csOpaque;
    SkinData()->Loaded();
}

const TClassInfo* TsStatusBar::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TsStatusBar>("TsStatusBar", TStatusBar::StaticClassInfo(),
                                   {ObjectProp("SkinData", &TsStatusBar::SkinData)});
    return &info;
}

const TClassInfo* TsStatusBar::ClassInfo() const {
    return StaticClassInfo();
}

TRect TsStatusBar::SkinPanelRect(int i) const {
    int left = 0;
    for (int j = 0; j < i && j < Panels()->Count(); ++j)
        left += Panels()->Items(j)->Width() + 1;
    const bool last = i >= Panels()->Count() - 1;
    const int right = last ? Width() : left + Panels()->Items(i)->Width() + 1;
    return Rect(left, 0, right, Height());
}

std::string TsStatusBar::ContentKey() const {
    std::string key = SimplePanel() ? "S" + SimpleText() : "P";
    key += GripShown() ? 'G' : '-';
    for (int i = 0; i < Panels()->Count(); ++i) {
        const TStatusPanel* p = Panels()->Items(i);
        key += '\n' + std::to_string(p->Width()) + ',' + std::to_string(p->Alignment()) + ',' +
               std::to_string(p->Style()) + ',' + p->Text();
    }
    return key;
}

bool TsStatusBar::HalfVisibleNow() {
    return CornerHalfVisible(*this);
}

void TsStatusBar::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT && SkinData() && ContentKey() != FRenderedKey)
        SkinData()->BGChanged = true;
    if (m.Msg == WM_MOVE && SkinData() && IsReady() && SkinData()->Skinned()) {
        // Only a bar that lets its parent through looks different elsewhere.
        const int index = SkinData()->SkinIndex;
        const TsGeneralData& section = SkinGeneralData[index];
        if (section.Transparency > 0 || section.HotTransparency > 0) SkinData()->BGChanged = true;
    }
    TsSkinnedControl::WndProc(m);
}
