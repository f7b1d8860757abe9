#include "controls/TsCustomComboBox.h"

#include "controls/ControlKinds.h"
#include "controls/TsComboBox.h"
#include "framework/component/PropertyHelpers.h"
#include "skin/SkinCommands.h"

namespace {
const char* const ComboSection = "COMBOBOX";
constexpr int ComboItemHeight = 13;
constexpr int ComboDropDownCount = 16;
} // namespace

TsCustomComboBox::TsCustomComboBox(TComponent* owner)
    : TsSkinnedControl(owner, ckEdit),
      FBoundLabel(std::make_unique<TsBoundLabel>(this, SkinData())) {
    // The combo's kind is the edit's; its section is its own.
    if (SkinData()->SkinSection().empty()) SkinData()->SetSkinSection(ComboSection);
    SetItemHeight(ComboItemHeight);
    SetDropDownCount(ComboDropDownCount);
    FControlStyle &= ~csOpaque;
    SkinData()->Loaded();
}

TsCustomComboBox::~TsCustomComboBox() {
    FBoundLabel.reset();
}

const TClassInfo* TsCustomComboBox::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsCustomComboBox>(
        "TsCustomComboBox", TComboBox::StaticClassInfo(),
        {
            EnumProp("Alignment", &TsCustomComboBox::SetAlignment,
                     {"taLeftJustify", "taRightJustify", "taCenter"}),
            ObjectProp("BoundLabel", &TsCustomComboBox::BoundLabel),
            SetProp("DisabledKind", &TsCustomComboBox::SetDisabledKind, {"dkBlended", "dkGrayed"}),
            ObjectProp("SkinData", &TsCustomComboBox::SkinData),
            BoolProp("ReadOnly", &TsCustomComboBox::SetReadOnly),
        });
    return &info;
}

const TClassInfo* TsCustomComboBox::ClassInfo() const {
    return StaticClassInfo();
}

const TClassInfo* TsComboBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TsComboBox>("TsComboBox", TsCustomComboBox::StaticClassInfo(), {});
    return &info;
}

const TClassInfo* TsComboBox::ClassInfo() const {
    return StaticClassInfo();
}

void TsCustomComboBox::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    SkinData()->Invalidate();
}

void TsCustomComboBox::SetDisabledKind(TsDisabledKind kind) {
    if (kind == FDisabledKind) return;
    FDisabledKind = kind;
    SkinData()->Invalidate();
}

void TsCustomComboBox::Loaded() {
    TsSkinnedControl::Loaded();
    FBoundLabel->AlignLabel();
}

void TsCustomComboBox::SyncListOpen() {
    if (FListOpen == DroppedDown()) return;
    FListOpen = DroppedDown();
    SkinData()->BGChanged = true;
    Invalidate();
}

bool TsCustomComboBox::BlockedWhileReadOnly(uint32_t msg) const {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        return true;
    default:
        return false;
    }
}

void TsCustomComboBox::WndProc(TMessage& m) {
    if (!SkinData() || !FBoundLabel) return TsSkinnedControl::WndProc(m);
    if (FReadOnly && BlockedWhileReadOnly(m.Msg)) return;
    TControlRef alive(this);
    const bool skinned = !IsSkinMessage(m) && IsReady() && SkinData()->Skinned();
    if (!skinned || !SkinnedMessage(m)) TsSkinnedControl::WndProc(m);
    if (!alive || !SkinData()) return;
    // A new choice or font is a new look.
    if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) SkinData()->Invalidate();
    SyncListOpen();
    FBoundLabel->ControlChanged(m);
}

bool TsCustomComboBox::SkinnedMessage(TMessage& m) {
    TsCommonData& data = *SkinData();
    switch (m.Msg) {
    case WM_PAINT:
        // The list may have closed on its own since the last look was made.
        SyncListOpen();
        return false;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        // While the list is open the box keeps the look it had.
        if (!DroppedDown()) {
            data.MouseAbove = m.Msg == CM_MOUSEENTER;
            data.Invalidate();
        }
        TComboBox::WndProc(m);
        return true;
    case CM_EXIT:
        if (DroppedDown()) CloseUp(false);
        data.Focused = false;
        data.MouseAbove = false;
        data.Invalidate();
        return false;
    case WM_SETFOCUS:
    case CM_ENTER:
        if (CanFocus()) {
            data.Focused = true;
            data.MouseAbove = false;
            data.Invalidate();
        }
        return false;
    default:
        return false;
    }
}
