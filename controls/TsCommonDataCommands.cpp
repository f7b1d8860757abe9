// TsCommonData: the answers to the skin command message and the reactions to
// the window events that change a control's look.

#include "controls/ControlKinds.h"
#include "controls/TsCommonData.h"
#include "framework/graphics/TBitmap.h"
#include "framework/window/TWinControl.h"
#include "framework/window/WinApi.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"

namespace {

constexpr uint16_t ArgumentOn = 1;
constexpr intptr_t AnswerYes = 1;

// The redraw of command 20: the whole window and its children, no erase.
constexpr unsigned UpdateChildrenRedraw =
    RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_NOINTERNALPAINT;

} // namespace

void TsCommonData::AnswerCache() const {
    CacheInfo = TCacheInfo{};
    if (!FCacheBmp) return;
    CacheInfo.Bitmap = FCacheBmp.get();
    CacheInfo.Ready = true;
    CacheInfo.Version = FPictureVersion;
}

void TsCommonData::AnswerComplexBackground(TMessage& m) const {
    bool complex = false;
    if (IsValidSkinIndex(SkinIndex)) {
        const TsGeneralData& s = SkinGeneralData[SkinIndex];
        complex = s.GradientPercent + s.ImagePercent >= 1;
    }
    m.LParam = complex || DependsOnParent() ? AnswerYes : 0;
}

void TsCommonData::UpdateChildren(uint16_t argument) {
    const bool depends = DependsOnParent();
    if (depends) BGChanged = true;
    if (!OwnerIsWindowed()) return;
    auto* w = static_cast<TWinControl*>(FOwnerControl);
    if (argument == ArgumentOn) RedrawWindow(w->Handle(), nullptr, UpdateChildrenRedraw);
    if (!depends) return;
    for (int i = 0; i < w->ControlCount(); ++i)
        PerformCommand(w->Controls(i), SKC_UPDATECHILDREN, 0);
}

void TsCommonData::HandleCommand(TMessage& m) {
    if (!AnswerQuestion(m)) ApplyCommand(m);
}

bool TsCommonData::AnswerQuestion(TMessage& m) {
    switch (SkinCommandCode(m)) {
    case SKC_GETCACHE:
        AnswerCache();
        return false; // answered through CacheInfo, and passed on
    case SKC_ISSKINNED:
        m.LParam = AnswerYes;
        return true;
    case SKC_ISUPDATING:
        m.Result = BGChanged || IsUpdating() ? AnswerYes : 0;
        return true;
    case SKC_ISHALFVISIBLE:
        m.LParam = HalfVisible ? AnswerYes : 0;
        return true;
    case SKC_HASCOMPLEXBG:
        AnswerComplexBackground(m);
        return true;
    case SKC_GETBGCOLOR:
        if (FOwnerControl) AnswerBGColor(FOwnerControl, Skinned() ? SkinIndex : -1);
        return true;
    default:
        return false;
    }
}

void TsCommonData::RemoveSkin() {
    BorderIndex = SkinIndex = -1;
    Updating = true;
    if (!FCacheBmp) return;
    FCacheBmp->SetWidth(0);
    FCacheBmp->SetHeight(0);
}

void TsCommonData::ApplyCommand(TMessage& m) {
    const bool on = SkinCommandArgument(m) == ArgumentOn;
    switch (SkinCommandCode(m)) {
    case SKC_SETNEWSKIN:
        Updating = true;
        UpdateIndexes();
        break;
    case SKC_REMOVESKIN:
        RemoveSkin();
        break;
    case SKC_REFRESH:
        BGChanged = true;
        Updating = false;
        break;
    case SKC_SETUPDATING:
        Updating = on;
        break;
    case SKC_SETFROZEN:
        Frozen = on;
        break;
    case SKC_PARENTBGCHANGED:
        if (on && IsValidSkinIndex(SkinIndex) && SkinGeneralData[SkinIndex].Transparency >= 1)
            BGChanged = true;
        m.Result = 0;
        break;
    case SKC_SECTIONCHANGED:
        if (!ChangedSkinSection.empty() &&
            UpperSkinName(FSkinSection) == UpperSkinName(ChangedSkinSection))
            Invalidate();
        break;
    case SKC_SETLINKEDOBJECT:
        LinkedObject = reinterpret_cast<TObject*>(m.LParam);
        break;
    case SKC_SETBGCHANGED:
        BGChanged = on;
        break;
    case SKC_UPDATECHILDREN:
        UpdateChildren(SkinCommandArgument(m));
        break;
    default:
        break;
    }
}

bool TsCommonData::CanTakeFocusMark() const {
    if (!OwnerIsWindowed()) return false;
    auto* w = static_cast<TWinControl*>(FOwnerControl);
    return w->CanFocus() && w->TabStop();
}

bool TsCommonData::HandleWindowMessage(TMessage& m) {
    if (IsSkinMessage(m)) {
        // Only the questions are marked handled; the rest go on to the control.
        if (AnswerQuestion(m)) return true;
        ApplyCommand(m);
        return false;
    }
    switch (m.Msg) {
    case WM_MOVE:
    case WM_WINDOWPOSCHANGED:
        if (DependsOnParent()) PerformCommand(FOwnerControl, SKC_UPDATECHILDREN);
        break;
    case WM_SIZE:
        BGChanged = true;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (CanTakeFocusMark()) {
            BGChanged = true;
            Focused = m.Msg == WM_SETFOCUS;
        }
        break;
    case WM_FONTCHANGE:
    case CM_ENABLEDCHANGED:
        Focused = MouseAbove = false;
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (!KindHasTrait(ControlKind, ktNeverHotByMouse)) MouseAbove = m.Msg == CM_MOUSEENTER;
        break;
    default:
        break;
    }
    return false;
}
