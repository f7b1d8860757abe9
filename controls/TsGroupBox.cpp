#include "controls/TsGroupBox.h"

#include "controls/ControlKinds.h"
#include "controls/HalfVisible.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"

TsGroupBox::TsGroupBox(TComponent* owner) : TsSkinnedControl(owner, ckGroupBox) {
    // Above the frame the parent shows through.
    FControlStyle &= ~csOpaque;
    Restyle();
    SkinData()->Loaded();
}

const TClassInfo* TsGroupBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TsGroupBox>("TsGroupBox", TGroupBox::StaticClassInfo(),
                                  {
                                      EnumProp("CaptionLayout", &TsGroupBox::SetCaptionLayout,
                                               {"clTopLeft", "clTopCenter", "clTopRight"}),
                                      IntProp("CaptionYOffset", &TsGroupBox::SetCaptionYOffset),
                                      ObjectProp("SkinData", &TsGroupBox::SkinData),
                                      StrProp("CaptionSkin", &TsGroupBox::SetCaptionSkin),
                                  });
    return &info;
}

const TClassInfo* TsGroupBox::ClassInfo() const {
    return StaticClassInfo();
}

void TsGroupBox::Loaded() {
    Restyle();
    TsSkinnedControl::Loaded();
}

// The caption is measured and drawn on the cache in the box's font.
void TsGroupBox::Restyle() {
    if (TBitmap* cache = SkinData()->CacheBmp()) cache->Canvas()->SetFont(*Font());
}

void TsGroupBox::SetCaptionLayout(TsCaptionLayout layout) {
    if (layout == FCaptionLayout) return;
    FCaptionLayout = layout;
    CaptionPlaceChanged();
}

void TsGroupBox::SetCaptionYOffset(int offset) {
    if (offset == FCaptionYOffset) return;
    FCaptionYOffset = offset;
    CaptionPlaceChanged();
}

void TsGroupBox::CaptionPlaceChanged() {
    if (!Caption().empty() && HandleAllocated()) SendCommand(Handle(), SKC_REFRESH);
}

void TsGroupBox::SetCaptionSkin(const std::string& section) {
    if (section == FCaptionSkin) return;
    FCaptionSkin = section;
    SkinData()->Invalidate();
}

// Whether a move changes the picture: the section lets the parent through.
bool TsGroupBox::MoveShowsParent() const {
    const int index = SkinData()->SkinIndex;
    if (!IsValidSkinIndex(index)) return false;
    const TsGeneralData& section = SkinGeneralData[index];
    return section.Transparency > 0 ||
           (section.HotTransparency > 0 && SkinData()->ControlIsActive());
}

bool TsGroupBox::HalfVisibleNow() {
    return ContainerHalfVisible(*this, *SkinData());
}

void TsGroupBox::WndProc(TMessage& m) {
    if (!SkinData() || !IsReady() || !SkinData()->Skinned() || !SkinnedMessage(m))
        TsSkinnedControl::WndProc(m);
}

// The messages the skinned box treats its own way; true when done.
bool TsGroupBox::SkinnedMessage(TMessage& m) {
    TsCommonData& data = *SkinData();
    if (IsSkinMessage(m)) {
        if (SkinCommandCode(m) != SKC_SETFROZEN) return false;
        TsSkinnedControl::WndProc(m);
        if (data.Frozen) PrepareCache(*this);
        return true;
    }
    switch (m.Msg) {
    case WM_MOVE:
        if (MoveShowsParent()) data.BGChanged = true;
        return false;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case CM_VISIBLECHANGED:
        data.BGChanged = true;
        TGroupBox::WndProc(m);
        return true;
    case CM_TEXTCHANGED:
        TGroupBox::WndProc(m);
        SendCommand(Handle(), SKC_REFRESH);
        return true;
    case CM_FONTCHANGED:
        TsSkinnedControl::WndProc(m);
        Restyle();
        if (!Caption().empty()) data.Invalidate();
        return true;
    default:
        return false;
    }
}
