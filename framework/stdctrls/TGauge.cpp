#include "stdctrls/TGauge.h"

#include <algorithm>

#include "component/PropertyHelpers.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle |= csOpaque;
    SetBounds(0, 0, 100, 100);
}

const TClassInfo* TGauge::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TGauge>(
        "TGauge", TGraphicControl::StaticClassInfo(),
        {
            ColorProp("BackColor", &TGauge::SetBackColor),
            ColorProp("ForeColor", &TGauge::SetForeColor),
            EnumProp("Kind", &TGauge::SetKind,
                     {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie", "gkNeedle"}),
            IntProp("MaxValue", &TGauge::SetMaxValue),
            IntProp("MinValue", &TGauge::SetMinValue),
            IntProp("Progress", &TGauge::SetProgress),
            BoolProp("ShowText", &TGauge::SetShowText),
            StrProp("Suffix", &TGauge::SetSuffix),
        });
    return &info;
}

const TClassInfo* TGauge::ClassInfo() const {
    return StaticClassInfo();
}

void TGauge::SetMinValue(int v) {
    FMinValue = std::min(v, FMaxValue);
    FProgress = std::max(FProgress, FMinValue);
    Invalidate();
}

void TGauge::SetMaxValue(int v) {
    FMaxValue = std::max(v, FMinValue);
    FProgress = std::min(FProgress, FMaxValue);
    Invalidate();
}

void TGauge::SetProgress(int v) {
    v = std::clamp(v, FMinValue, FMaxValue);
    if (v == FProgress) return;
    FProgress = v;
    Invalidate();
}

void TGauge::SetForeColor(TColor c) {
    FForeColor = c;
    Invalidate();
}

void TGauge::SetBackColor(TColor c) {
    FBackColor = c;
    Invalidate();
}

void TGauge::SetSuffix(const std::string& s) {
    FSuffix = s;
    Invalidate();
}

void TGauge::SetShowText(bool v) {
    FShowText = v;
    Invalidate();
}

void TGauge::SetKind(TGaugeKind k) {
    FKind = k;
    Invalidate();
}

int TGauge::PercentDone() const {
    int64_t span = static_cast<int64_t>(FMaxValue) - FMinValue;
    if (span <= 0) return 0;
    return static_cast<int>((static_cast<int64_t>(FProgress) - FMinValue) * 100 / span);
}

void TGauge::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBlack);
    c.FrameRect(r);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    int64_t span = static_cast<int64_t>(FMaxValue) - FMinValue;
    int filled =
        span <= 0
            ? 0
            : static_cast<int>((static_cast<int64_t>(FProgress) - FMinValue) * r.Width() / span);
    TRect bar = Rect(r.Left, r.Top, r.Left + filled, r.Bottom);
    TRect rest = Rect(bar.Right, r.Top, r.Right, r.Bottom);
    c.Brush()->SetColor(FBackColor);
    c.FillRect(rest);
    c.Brush()->SetColor(FForeColor);
    c.FillRect(bar);
    if (!FShowText) return;
    unsigned flags = DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX;
    std::string text = GaugeText();
    c.Brush()->SetStyle(bsClear);
    for (int part = 0; part < 2; ++part) {
        const TRect& clip = part == 0 ? rest : bar;
        if (clip.Width() <= 0) continue;
        c.SaveDC();
        c.IntersectClipRect(clip);
        c.Font()->SetColor(part == 0 ? FForeColor : FBackColor);
        TRect t = r;
        c.DrawText(text, t, flags);
        c.RestoreDC();
    }
}
