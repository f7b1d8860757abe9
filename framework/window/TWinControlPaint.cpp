// TWinControl: invalidation and the default paint handling.

#include "forms/TCustomForm.h"
#include "graphics/TCanvas.h"
#include "window/TPaintEngine.h"
#include "window/TWinControl.h"

void TWinControl::MarkPaintPending() {
    if (TCustomForm* form = GetParentForm()) form->FPaintPending = true;
}

void TWinControl::Invalidate() {
    InvalidateRect(nullptr, !(FControlStyle & csOpaque));
}

void TWinControl::InvalidateRect(const TRect* r, bool erase) {
    TRect area = ClientRect();
    if (r) area = r->Intersect(area);
    if (area.IsEmpty()) return;
    FUpdateRgn.Union(area);
    FEraseNeeded = FEraseNeeded || erase;
    MarkPaintPending();
}

void TWinControl::InvalidateRegion(const TRegion& rgn, bool erase) {
    TRegion r = rgn;
    r.Intersect(ClientRect());
    if (r.IsEmpty()) return;
    FUpdateRgn.Union(r);
    FEraseNeeded = FEraseNeeded || erase;
    MarkPaintPending();
}

void TWinControl::InvalidateFrame() {
    FFrameInvalid = true;
    MarkPaintPending();
}

void TWinControl::Update() {
    if (TCustomForm* form = GetParentForm()) TPaintEngine::PaintForm(form);
}

void TWinControl::WMPaint(TMessage& m) {
    if (m.WParam) {
        PaintHandler(WParamToDC(m.WParam));
        return;
    }
    TPaintStruct ps;
    HDC dc = TPaintEngine::BeginPaint(this, ps);
    if (dc) PaintHandler(dc);
    TPaintEngine::EndPaint(this, ps);
}

void TWinControl::PaintHandler(HDC dc) {
    PaintWindow(dc);
    PaintControls(dc, nullptr);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    std::vector<TControlRef> list;
    bool started = first == nullptr;
    for (TControl* c : FControls) {
        if (c == first) started = true;
        if (started && !c->IsWindowed()) list.emplace_back(c);
    }
    TRect box = dc->ClipRect();
    for (const TControlRef& r : list) {
        TControl* c = r.Get();
        if (!c || !c->Visible()) continue;
        TRect b = c->BoundsRect();
        if (b.Intersect(box).IsEmpty()) continue;
        int level = dc->SaveDC();
        TPoint o = dc->Origin();
        dc->SetOrigin(o.X + b.Left, o.Y + b.Top);
        dc->IntersectClipRect(Rect(0, 0, b.Width(), b.Height()));
        c->Perform(WM_PAINT, DCToWParam(dc));
        dc->RestoreDC(level);
    }
}

void TWinControl::EraseBackground(HDC dc) {
    if (!dc) return;
    dc->Brush()->SetColor(Color());
    dc->FillRect(dc->ClipRect());
}
