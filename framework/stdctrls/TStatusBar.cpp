#include "stdctrls/TStatusBar.h"

#include <algorithm>

#include "component/PropertyHelpers.h"
#include "forms/TCustomForm.h"
#include "graphics/BevelPaint.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"

namespace {
constexpr int kPanelGap = 2;
constexpr int kGripSize = 12;
} // namespace

TStatusBar::TStatusBar(TComponent* owner)
    : TCustomControl(owner), FPanels(std::make_unique<TStatusPanels>(this)) {
    FControlStyle = csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks;
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

const TClassInfo* TStatusBar::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TStatusBar>("TStatusBar", TCustomControl::StaticClassInfo(),
                                  {
                                      CollectionProp("Panels", &TStatusBar::Panels),
                                      BoolProp("SimplePanel", &TStatusBar::SetSimplePanel),
                                      StrProp("SimpleText", &TStatusBar::SetSimpleText),
                                      BoolProp("SizeGrip", &TStatusBar::SetSizeGrip),
                                  });
    return &info;
}

const TClassInfo* TStatusBar::ClassInfo() const {
    return StaticClassInfo();
}

void TStatusBar::SetSimplePanel(bool v) {
    FSimplePanel = v;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& s) {
    FSimpleText = s;
    Invalidate();
}

void TStatusBar::SetSizeGrip(bool v) {
    FSizeGrip = v;
    Invalidate();
}

TRect TStatusBar::PanelRect(int i) const {
    int x = 0;
    for (int k = 0; k < i && k < FPanels->Count(); ++k)
        x += FPanels->Items(k)->Width();
    bool last = i == FPanels->Count() - 1;
    int right = last ? Width() : x + FPanels->Items(i)->Width();
    return Rect(x, kPanelGap, right - kPanelGap, Height());
}

void TStatusBar::PaintPanel(TCanvas& c, const TRect& r, const std::string& text,
                            TAlignment alignment, TStatusPanelBevel bevel) {
    TRect inner = r;
    if (bevel != pbNone) DrawBevel(c, inner, bevel == pbRaised);
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (alignment == taCenter)
        flags |= DT_CENTER;
    else if (alignment == taRightJustify)
        flags |= DT_RIGHT;
    TRect t = Rect(inner.Left + 2, inner.Top, inner.Right - 2, inner.Bottom);
    c.SaveDC();
    c.IntersectClipRect(inner);
    DrawControlText(c, text, t, flags, Enabled());
    c.RestoreDC();
}

void TStatusBar::Paint() {
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    if (FSimplePanel || FPanels->Count() == 0) {
        PaintPanel(c, Rect(0, kPanelGap, Width(), Height()), FSimpleText, taLeftJustify,
                   FSimplePanel ? pbLowered : pbNone);
    } else {
        for (int i = 0; i < FPanels->Count(); ++i) {
            TStatusPanel* p = FPanels->Items(i);
            TRect r = PanelRect(i);
            if (r.Width() <= 0) continue;
            c.Brush()->SetStyle(bsSolid);
            PaintPanel(c, r, p->Text(), p->Alignment(), p->Bevel());
        }
    }
    // A grip only means something on a window that can be resized.
    if (!FSizeGrip || !ParentIsSizeable()) return;
    // Three diagonal grooves in the corner.
    int right = Width() - 1, bottom = Height() - 1;
    TColor shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    for (int off = 4; off <= kGripSize; off += 4) {
        for (int j = 0; j < off; ++j) {
            int x = right - off + j + 1, y = bottom - j;
            c.SetPixel(x - 1, y, light);
            c.SetPixel(x, y, shadow);
            c.SetPixel(x + 1, y, shadow);
        }
    }
}

bool TStatusBar::ParentIsSizeable() const {
    const TCustomForm* form = dynamic_cast<const TCustomForm*>(Parent());
    return form && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin);
}
