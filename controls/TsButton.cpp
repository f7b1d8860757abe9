#include "controls/TsButton.h"

#include "controls/ControlKinds.h"
#include "controls/TsFadeTimer.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"

TsButton::TsButton(TComponent* owner) : TsSkinnedControl(owner, ckButton) {
    // The border's see-through corners show the parent.
    FControlStyle &= ~csOpaque;
    Restyle();
    SkinData()->Loaded();
}

TsButton::~TsButton() {
    // The timer is owned through the component tree, but must not tick on
    // a button whose skin data is going.
    delete FFadeTimer;
    FFadeTimer = nullptr;
}

const TClassInfo* TsButton::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsButton>(
        "TsButton", TButton::StaticClassInfo(),
        {
            ObjectProp("SkinData", &TsButton::SkinData),
            SetProp("DisabledKind", &TsButton::SetDisabledKind, {"dkBlended", "dkGrayed"}),
            BoolProp("Down", &TsButton::SetDown),
            IntProp("FocusMargin", &TsButton::SetFocusMargin),
        });
    return &info;
}

const TClassInfo* TsButton::ClassInfo() const {
    return StaticClassInfo();
}

void TsButton::Loaded() {
    Restyle();
    TsSkinnedControl::Loaded();
}

// The caption is measured and drawn on the cache in the button's font.
void TsButton::Restyle() {
    if (TBitmap* cache = SkinData()->CacheBmp()) cache->Canvas()->SetFont(*Font());
}

void TsButton::SetDisabledKind(TsDisabledKind kind) {
    if (kind == FDisabledKind) return;
    FDisabledKind = kind;
    SkinData()->Invalidate();
}

void TsButton::SetDown(bool value) {
    if (value == FState.Down) return;
    FState.Down = value;
    PushChanged(value);
}
