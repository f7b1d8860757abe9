#include "controls/TsEdit.h"

#include "controls/ControlKinds.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/window/WinApi.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"

TsEdit::TsEdit(TComponent* owner)
    : TsSkinnedControl(owner, ckEdit),
      FBoundLabel(std::make_unique<TsBoundLabel>(this, SkinData())) {
    FControlStyle |= csOpaque;
    SkinData()->Loaded();
}

TsEdit::~TsEdit() {
    // The label goes first: it must not hear of the edit while it goes.
    FBoundLabel.reset();
}

const TClassInfo* TsEdit::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsEdit>(
        "TsEdit", TEdit::StaticClassInfo(),
        {
            SetProp("DisabledKind", &TsEdit::SetDisabledKind, {"dkBlended", "dkGrayed"}),
            ObjectProp("SkinData", &TsEdit::SkinData),
            ObjectProp("BoundLabel", &TsEdit::BoundLabel),
        });
    return &info;
}

const TClassInfo* TsEdit::ClassInfo() const {
    return StaticClassInfo();
}

void TsEdit::SetDisabledKind(TsDisabledKind kind) {
    if (kind == FDisabledKind) return;
    FDisabledKind = kind;
    SkinData()->Invalidate();
}

void TsEdit::Loaded() {
    TsSkinnedControl::Loaded();
    FBoundLabel->AlignLabel();
}

bool TsEdit::MouseHoverAllowed() const {
    const int index = SkinData()->SkinIndex;
    return IsValidSkinIndex(index) && SkinGeneralData[index].ReservedBoolean;
}

// The look changed: the cache is stale and the whole control repainted.
void TsEdit::LookChanged() {
    SkinData()->BGChanged = true;
    if (Visible()) Invalidate();
}

void TsEdit::WndProc(TMessage& m) {
    if (!SkinData() || !FBoundLabel) return TsSkinnedControl::WndProc(m);
    TControlRef alive(this);
    const bool skinned = !IsSkinMessage(m) && IsReady() && SkinData()->Skinned();
    if (!skinned || !SkinnedMessage(m)) TsSkinnedControl::WndProc(m);
    if (!alive || !SkinData()) return;
    // A frozen edit keeps a picture of its latest look for whoever shows it.
    if (IsSkinMessage(m) && SkinCommandCode(m) == SKC_SETFROZEN && SkinData()->Frozen &&
        SkinData()->Skinned())
        PrepareCache(*this);
    FBoundLabel->ControlChanged(m);
}

bool TsEdit::SkinnedMessage(TMessage& m) {
    TsCommonData& data = *SkinData();
    switch (m.Msg) {
    case WM_PAINT:
        // Hot: the plain edit paints its text area and the frame is added
        // (PaintWindow); else the pipeline copies the whole cache.
        if (!data.ControlIsActive()) return false;
        Inherited(m);
        return true;
    case WM_NCPAINT:
        if (HDC dc = GetWindowDC(Handle())) {
            PaintFrame(dc);
            ReleaseDC(Handle(), dc);
        }
        return true;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (MouseHoverAllowed()) {
            data.MouseAbove = m.Msg == CM_MOUSEENTER;
            LookChanged();
        }
        Inherited(m);
        return true;
    case WM_SETFOCUS:
    case CM_ENTER:
        if (!CanFocus()) return true;
        Inherited(m);
        if (Focused()) {
            data.Focused = true;
            data.MouseAbove = false;
            LookChanged();
        }
        return true;
    case WM_KILLFOCUS:
    case CM_EXIT: {
        TControlRef alive(this);
        TsSkinnedControl::WndProc(m);
        if (!alive) return true;
        data.Focused = false;
        data.MouseAbove = false;
        LookChanged();
        return true;
    }
    case WM_SETTEXT:
    case WM_SETFONT:
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED: {
        TControlRef alive(this);
        TsSkinnedControl::WndProc(m);
        if (alive) data.Invalidate();
        return true;
    }
    default:
        return false;
    }
}
