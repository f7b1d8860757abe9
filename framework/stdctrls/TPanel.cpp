#include "stdctrls/TPanel.h"

#include <algorithm>

#include "component/PropertyHelpers.h"
#include "graphics/BevelPaint.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"

namespace {
const std::vector<std::string> kBevelNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};

void PaintBevel(TCanvas& c, TRect& r, TBevelCut cut, int width) {
    switch (cut) {
    case bvLowered:
    case bvRaised:
        DrawBevel(c, r, cut == bvRaised, width);
        break;
    case bvSpace:
        r = Rect(r.Left + width, r.Top + width, r.Right - width, r.Bottom - width);
        break;
    case bvNone:
        break;
    }
}
} // namespace

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                    csDoubleClicks | csReplicatable;
    SetBounds(0, 0, 185, 41);
}

const TClassInfo* TPanel::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TPanel>("TPanel", TCustomControl::StaticClassInfo(),
                              {
                                  EnumProp("Alignment", &TPanel::SetAlignment,
                                           {"taLeftJustify", "taRightJustify", "taCenter"}),
                                  EnumProp("BevelInner", &TPanel::SetBevelInner, kBevelNames),
                                  EnumProp("BevelOuter", &TPanel::SetBevelOuter, kBevelNames),
                                  IntProp("BevelWidth", &TPanel::SetBevelWidth),
                              });
    return &info;
}

const TClassInfo* TPanel::ClassInfo() const {
    return StaticClassInfo();
}

void TPanel::SetAlignment(TAlignment a) {
    FAlignment = a;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut b) {
    FBevelInner = b;
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut b) {
    FBevelOuter = b;
    Invalidate();
}

void TPanel::SetBevelWidth(int w) {
    FBevelWidth = std::max(1, w);
    Invalidate();
}

void TPanel::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    PaintBevel(c, r, FBevelOuter, FBevelWidth);
    PaintBevel(c, r, FBevelInner, FBevelWidth);
    if (Caption().empty()) return;
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (FAlignment == taCenter)
        flags |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    DrawControlText(c, Caption(), r, flags, Enabled());
}
