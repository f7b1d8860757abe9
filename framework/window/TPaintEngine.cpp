#include "window/TPaintEngine.h"

#include <algorithm>
#include <unordered_map>

#include "forms/TCustomForm.h"
#include "forms/TScreen.h"
#include "graphics/TCanvas.h"
#include "window/TWinControl.h"

namespace {
struct TDCEntry {
    std::unique_ptr<TCanvas> Canvas;
    TControlRef Form;
};

std::unordered_map<HDC, TDCEntry>& DCs() {
    static std::unordered_map<HDC, TDCEntry> table;
    return table;
}

// The window rectangle of a windowed control, cut to its region, in form coordinates.
TRegion Shape(const TWinControl* c) {
    TPoint o = c->OriginInForm();
    TRegion r(Rect(0, 0, c->Width(), c->Height()));
    if (c->WindowRgn()) r.Intersect(*c->WindowRgn());
    r.Offset(o.X, o.Y);
    return r;
}

void SubtractWindowedChildren(TRegion& r, const TWinControl* c, size_t from) {
    const auto& list = c->ControlList();
    for (size_t i = from; i < list.size(); ++i) {
        if (!list[i]->IsWindowed() || !list[i]->Visible()) continue;
        r.Subtract(Shape(static_cast<const TWinControl*>(list[i])));
    }
}
} // namespace

TRegion TPaintEngine::VisibleRegion(const TWinControl* c, bool client) {
    if (!c->Showing()) return {};
    TPoint o = c->OriginInForm();
    TRect area = client ? c->ClientInWindow() : Rect(0, 0, c->Width(), c->Height());
    TRegion r(area.Offset(o.X, o.Y));
    if (c->WindowRgn()) {
        TRegion shape = *c->WindowRgn();
        shape.Offset(o.X, o.Y);
        r.Intersect(shape);
    }
    SubtractWindowedChildren(r, c, 0);
    for (const TControl* x = c; x->Parent(); x = x->Parent()) {
        const TWinControl* p = x->Parent();
        const auto& list = p->ControlList();
        auto it = std::find(list.begin(), list.end(), x);
        SubtractWindowedChildren(r, p, static_cast<size_t>(it - list.begin()) + 1);
        TPoint po = p->OriginInForm();
        r.Intersect(p->ClientInWindow().Offset(po.X, po.Y));
        if (p->WindowRgn()) {
            TRegion shape = *p->WindowRgn();
            shape.Offset(po.X, po.Y);
            r.Intersect(shape);
        }
    }
    return r;
}

HDC TPaintEngine::CreateDC(TWinControl* c, bool client, const TRegion* limit) {
    TCustomForm* form = c->GetParentForm();
    if (!form) return nullptr;
    TRegion clip = VisibleRegion(c, client);
    if (limit) clip.Intersect(*limit);
    auto canvas = std::make_unique<TCanvas>(form->BackBuffer());
    TPoint o = c->OriginInForm();
    if (client) {
        o.X += c->ClientInWindow().Left;
        o.Y += c->ClientInWindow().Top;
    }
    canvas->SetOrigin(o);
    canvas->SetClipRegion(clip);
    canvas->SetFont(*c->Font());
    canvas->TrackDamage();
    HDC dc = canvas.get();
    DCs()[dc] = TDCEntry{std::move(canvas), TControlRef(form)};
    return dc;
}

namespace {

// What a DC changed goes to its form's next present.
void HandOverDamage(TDCEntry& entry) {
    const TRect box = entry.Canvas->TakeDamage();
    if (box.IsEmpty()) return;
    if (auto* form = static_cast<TCustomForm*>(entry.Form.Get()))
        form->AddPresentRegion(TRegion(box));
}

} // namespace

void TPaintEngine::ReleaseDC(HDC dc) {
    auto it = DCs().find(dc);
    if (it == DCs().end()) return;
    HandOverDamage(it->second);
    DCs().erase(it);
}

bool TPaintEngine::IsLiveDC(HDC dc) {
    return DCs().count(dc) != 0;
}

HDC TPaintEngine::BeginPaint(TWinControl* c, TPaintStruct& ps) {
    ps = TPaintStruct{};
    if (c->FPaintDC) {
        ps.hdc = c->FPaintDC;
        ps.fErase = c->FPaintErase;
        c->FPaintErase = false;
    } else {
        // Outside the paint pass: paint what is invalid now.
        TRegion limit = c->FUpdateRgn;
        TPoint o = c->OriginInForm();
        limit.Offset(o.X + c->ClientInWindow().Left, o.Y + c->ClientInWindow().Top);
        ps.hdc = CreateDC(c, true, &limit);
        ps.fErase = c->FEraseNeeded;
        ps.Owned = true;
        c->FUpdateRgn.Clear();
        c->FEraseNeeded = false;
    }
    if (!ps.hdc) return nullptr;
    ps.rcPaint = ps.hdc->ClipRect();
    if (ps.fErase) ps.fErase = c->Perform(WM_ERASEBKGND, DCToWParam(ps.hdc)) == 0;
    return ps.hdc;
}

void TPaintEngine::EndPaint(TWinControl*, TPaintStruct& ps) {
    if (ps.Owned && ps.hdc) ReleaseDC(ps.hdc);
    ps.hdc = nullptr;
}

void TPaintEngine::PaintWindowTree(TWinControl* w) {
    if (!w->Visible()) return;
    if (w->FFrameInvalid) {
        w->FFrameInvalid = false;
        bool hasFrame =
            !(w->ClientInWindow() == Rect(0, 0, w->Width(), w->Height())) || !w->Parent();
        if (hasFrame) w->Perform(WM_NCPAINT, 1);
    }
    if (!w->FUpdateRgn.IsEmpty()) {
        TRegion limit = w->FUpdateRgn;
        TPoint o = w->OriginInForm();
        limit.Offset(o.X + w->ClientInWindow().Left, o.Y + w->ClientInWindow().Top);
        bool erase = w->FEraseNeeded;
        w->FUpdateRgn.Clear();
        w->FEraseNeeded = false;
        HDC dc = CreateDC(w, true, &limit);
        if (dc && !dc->ClipRegion().IsEmpty()) {
            TControlRef alive(w);
            w->FPaintDC = dc;
            w->FPaintErase = erase;
            w->Perform(WM_PAINT);
            if (!alive) {
                ReleaseDC(dc);
                return;
            }
            w->FPaintDC = nullptr;
        }
        if (dc) ReleaseDC(dc);
    }
    std::vector<TControlRef> children;
    for (TControl* c : w->ControlList())
        if (c->IsWindowed()) children.emplace_back(c);
    for (const TControlRef& r : children)
        if (auto* child = static_cast<TWinControl*>(r.Get())) PaintWindowTree(child);
}

void TPaintEngine::PaintForm(TCustomForm* form) {
    if (form->FInPaint) return;
    if (form->FPaintPending && form->Showing()) {
        form->FInPaint = true;
        form->FPaintPending = false;
        TControlRef alive(form);
        try {
            PaintWindowTree(form);
        } catch (...) {
            if (alive) form->FInPaint = false;
            throw;
        }
        if (!alive) return;
        form->FInPaint = false;
    }
    // A DC still held outside the paint pass has its changes shown too.
    for (auto& [dc, entry] : DCs())
        if (entry.Form.Get() == form) HandOverDamage(entry);
    form->Present();
}

void TPaintEngine::PaintAll() {
    std::vector<TControlRef> windows;
    for (TCustomForm* f : TCustomForm::TopLevelWindows())
        windows.emplace_back(f);
    for (const TControlRef& r : windows)
        if (auto* f = static_cast<TCustomForm*>(r.Get())) PaintForm(f);
}

bool TPaintEngine::PaintPending() {
    for (TCustomForm* f : TCustomForm::TopLevelWindows())
        if ((f->FPaintPending && f->Showing()) || f->PresentPending()) return true;
    return false;
}
