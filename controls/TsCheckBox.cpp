#include "controls/TsCheckBox.h"

#include "controls/ControlKinds.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/graphics/TBitmap.h"
#include "platform/VirtualKeys.h"
#include "skin/SkinCommands.h"

namespace {
// The arguments of the set-check request.
constexpr uintptr_t CheckOff = 0;
constexpr uintptr_t CheckOn = 1;
} // namespace

TsCheckBox::TsCheckBox(TComponent* owner)
    : TsSkinnedControl(owner, ckCheckBox), FGlyphChecked(std::make_unique<TBitmap>()),
      FGlyphUnChecked(std::make_unique<TBitmap>()) {
    SkinData()->Loaded();
}

TsCheckBox::~TsCheckBox() = default;

const TClassInfo* TsCheckBox::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsCheckBox>(
        "TsCheckBox", TCheckBox::StaticClassInfo(),
        {
            BoolProp("AutoSize", &TsCheckBox::SetAutoSize),
            IntProp("Margin", &TsCheckBox::SetMargin),
            ObjectProp("SkinData", &TsCheckBox::SkinData),
            SetProp("DisabledKind", &TsCheckBox::SetDisabledKind, {"dkBlended", "dkGrayed"}),
            BoolProp("MultiLine", &TsCheckBox::SetMultiLine),
            BoolProp("ReadOnly", &TsCheckBox::SetReadOnly),
            BoolProp("ShowFocus", &TsCheckBox::SetShowFocus),
            IntProp("TextIndent", &TsCheckBox::SetTextIndent),
        });
    return &info;
}

const TClassInfo* TsCheckBox::ClassInfo() const {
    return StaticClassInfo();
}

void TsCheckBox::Changed() {
    SkinData()->Invalidate();
    AdjustSize();
}

void TsCheckBox::SetAutoSize(bool value) {
    FAutoSize = value;
    Changed();
}

void TsCheckBox::SetMargin(int value) {
    FMargin = value;
    Changed();
}

void TsCheckBox::SetMultiLine(bool value) {
    FMultiLine = value;
    Changed();
}

void TsCheckBox::SetShowFocus(bool value) {
    FShowFocus = value;
    SkinData()->Invalidate();
}

void TsCheckBox::SetTextIndent(int value) {
    FTextIndent = value;
    Changed();
}

void TsCheckBox::SetDisabledKind(TsDisabledKind kind) {
    FDisabledKind = kind;
    SkinData()->Invalidate();
}

void TsCheckBox::SetGlyphChecked(const TBitmap& value) {
    FGlyphChecked->Assign(value);
    Changed();
}

void TsCheckBox::SetGlyphUnChecked(const TBitmap& value) {
    FGlyphUnChecked->Assign(value);
    Changed();
}

void TsCheckBox::Loaded() {
    TsSkinnedControl::Loaded();
    AdjustSize();
}

void TsCheckBox::SetPressed(bool value) {
    if (value == FPressed) return;
    FPressed = value;
    Invalidate();
}

void TsCheckBox::KeyDown(int& key, TShiftState shift) {
    // A read-only box is not pressed by Space, so its release does nothing.
    if (key == VK_SPACE && FReadOnly) return;
    TCheckBox::KeyDown(key, shift);
    if (FSpaceDown) SetPressed(true);
}

void TsCheckBox::SpaceReleased() {
    SetPressed(false);
    if (!FReadOnly) Toggle();
}

void TsCheckBox::Invalidate() {
    // A state change repaints through here: the kept picture is stale then.
    if (SkinData()) KeptPictureInvalidated(*SkinData());
    TsSkinnedControl::Invalidate();
}

void TsCheckBox::WndProc(TMessage& m) {
    if (!SkinData()) return TsSkinnedControl::WndProc(m);
    if (!LeavesPictureAlone(m)) SkinData()->BGChanged = true;
    // A read-only box never toggles: the press is forgotten before the base
    // sees the release.
    if (m.Msg == WM_LBUTTONUP) {
        SetPressed(false);
        if (FReadOnly) FMouseDown = false;
    }
    const bool skinned = !IsSkinMessage(m) && IsReady() && SkinData()->Skinned();
    if (skinned && SkinnedMessage(m)) return;
    TControlRef alive(this);
    TsSkinnedControl::WndProc(m);
    if (!alive) return;
    const uint16_t code = IsSkinMessage(m) ? SkinCommandCode(m) : 0;
    if (code == SKC_SETNEWSKIN || code == SKC_REFRESH || m.Msg == CM_TEXTCHANGED ||
        m.Msg == CM_FONTCHANGED)
        AdjustSize();
}

bool TsCheckBox::SkinnedMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        PaintNow(m);
        return true;
    case WM_LBUTTONDOWN:
        SetPressed(!FReadOnly);
        return false;
    case CM_MOUSELEAVE:
    case WM_CAPTURECHANGED:
    case WM_KILLFOCUS:
        SetPressed(false);
        return false;
    case BM_SETCHECK:
        SetState(m.WParam == CheckOff ? cbUnchecked : m.WParam == CheckOn ? cbChecked : cbGrayed);
        Invalidate();
        return true;
    default:
        return false;
    }
}
