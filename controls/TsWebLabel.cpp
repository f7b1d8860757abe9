#include "controls/TsWebLabel.h"

#include <stdexcept>

#include "framework/component/PropertyHelpers.h"
#include "platform/THost.h"
#include "platform/services/ProgramStart.h"

TsWebLabel::TsWebLabel(TComponent* owner)
    : TsCustomLabel(owner), FHoverFont(std::make_unique<TFont>()) {
    SetCursor(crHandPoint);
    FHoverFont->OnChange = [this](TObject*) {
        if (FHovered) Invalidate();
    };
}

const TClassInfo* TsWebLabel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsWebLabel>(
        "TsWebLabel", TsCustomLabel::StaticClassInfo(),
        {
            ObjectProp("HoverFont", &TsWebLabel::HoverFont),
            EnumProp("ShowMode", &TsWebLabel::SetShowMode,
                     {"soHide", "soNormal", "soShowMinimized", "soMaximize", "soShowNoActivate",
                      "soShow", "soMinimize", "soShowMinNoActive", "soShowNA", "soRestore",
                      "soDefault"}),
            StrProp("URL", &TsWebLabel::SetURL),
        });
    return &info;
}

const TClassInfo* TsWebLabel::ClassInfo() const {
    return StaticClassInfo();
}

void TsWebLabel::SetFont(const TFont& f) {
    Font()->Assign(f);
    Repaint();
}

void TsWebLabel::WndProc(TMessage& m) {
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        bool hovered = m.Msg == CM_MOUSEENTER;
        if (hovered != FHovered) {
            FHovered = hovered;
            Invalidate();
        }
    }
    TsCustomLabel::WndProc(m);
}

void TsWebLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TsCustomLabel::MouseDown(button, shift, x, y);
    if (button != mbLeft || FURL.empty()) return;
    TProgramStart r = ShellOpen(FURL);
    if (!r.Started) throw std::runtime_error(r.Reason);
}
