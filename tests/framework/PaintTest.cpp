// Invalidation, clipping and window regions, read back from the pixels the
// host window received. Sentinel colours around each expected area catch overdraw.

#include "tests/HeadlessApp.h"

using Painting = HeadlessApp;

#include "framework/forms/TForm.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/TCustomControl.h"
#include "framework/window/TGraphicControl.h"
#include "framework/window/WinApi.h"

namespace {
// Fills its client area with its colour and counts its paints.
class TFillBox : public TCustomControl {
public:
    explicit TFillBox(TComponent* o) : TCustomControl(o) { FControlStyle |= csOpaque; }
    int Paints = 0;
    TRect LastClip;

protected:
    void Paint() override {
        ++Paints;
        LastClip = Canvas()->ClipRect();
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(ClientRect());
    }
};

class TFillGraphic : public TGraphicControl {
public:
    explicit TFillGraphic(TComponent* o) : TGraphicControl(o) {}
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(Rect(-5, -5, Width() + 5, Height() + 5)); // overdraw is clipped
    }
};

TForm* MakeForm(TComponent* owner, int w, int h) {
    auto* f = new TForm(owner);
    f->SetBorderStyle(bsNone);
    f->SetBounds(100, 100, w, h);
    f->SetColor(clWhite);
    return f;
}

uint32_t At(TCustomForm* f, int x, int y) {
    auto* w = static_cast<THeadlessWindow*>(f->HostWindow());
    return w->Picture().Pixel(x, y);
}
} // namespace

TEST_F(Painting, FormPaintsBackgroundAndChildrenClipped) {
    TForm* f = MakeForm(App.get(), 40, 30);
    auto* box = new TFillBox(f);
    box->SetParent(f);
    box->SetBounds(10, 5, 8, 6);
    box->SetColor(clRed);
    f->Show();
    Pump();
    ASSERT_NE(f->HostWindow(), nullptr);
    EXPECT_EQ(At(f, 9, 5), 0xFFFFFFu);
    EXPECT_EQ(At(f, 10, 5), 0x0000FFu);
    EXPECT_EQ(At(f, 17, 10), 0x0000FFu);
    EXPECT_EQ(At(f, 18, 10), 0xFFFFFFu);
    EXPECT_EQ(At(f, 17, 11), 0xFFFFFFu);
    EXPECT_EQ(box->Paints, 1);
}

TEST_F(Painting, InvalidRectRepaintsOnlyThatPart) {
    TForm* f = MakeForm(App.get(), 30, 20);
    TColor ink = clRed;
    int formPaints = 0;
    // Paints everything it is asked to in the current ink; the clip keeps it
    // inside the update region.
    f->OnPaint = [&](TObject*) {
        ++formPaints;
        f->Canvas()->Brush()->SetColor(ink);
        f->Canvas()->FillRect(f->ClientRect());
    };
    f->Show();
    Pump();
    EXPECT_EQ(formPaints, 1);
    ink = clBlue;
    Pump();
    EXPECT_EQ(formPaints, 1); // nothing invalid: no paint
    TRect r = Rect(5, 4, 9, 7);
    f->InvalidateRect(&r, false);
    Pump();
    EXPECT_EQ(formPaints, 2);
    EXPECT_EQ(At(f, 5, 4), 0xFF0000u);
    EXPECT_EQ(At(f, 8, 6), 0xFF0000u);
    EXPECT_EQ(At(f, 4, 4), 0x0000FFu);
    EXPECT_EQ(At(f, 9, 6), 0x0000FFu);
    EXPECT_EQ(At(f, 5, 3), 0x0000FFu);
    EXPECT_EQ(At(f, 8, 7), 0x0000FFu);
    auto* w = static_cast<THeadlessWindow*>(f->HostWindow());
    EXPECT_EQ(w->LastPresented().BoundingBox(), r);
}

TEST_F(Painting, GraphicChildPaintsAfterParentClippedToItsBounds) {
    TForm* f = MakeForm(App.get(), 30, 20);
    auto* g = new TFillGraphic(f);
    g->SetParent(f);
    g->SetBounds(4, 3, 5, 4);
    g->SetColor(clBlue);
    f->Show();
    Pump();
    EXPECT_EQ(At(f, 3, 3), 0xFFFFFFu);
    EXPECT_EQ(At(f, 4, 2), 0xFFFFFFu);
    EXPECT_EQ(At(f, 4, 3), 0xFF0000u);
    EXPECT_EQ(At(f, 8, 6), 0xFF0000u);
    EXPECT_EQ(At(f, 9, 6), 0xFFFFFFu);
    EXPECT_EQ(At(f, 8, 7), 0xFFFFFFu);
    // Invalidating the graphic control repaints the parent under it, then it.
    int before = g->Paints;
    g->Invalidate();
    Pump();
    EXPECT_EQ(g->Paints, before + 1);
    EXPECT_EQ(At(f, 4, 3), 0xFF0000u);
}

TEST_F(Painting, LowerSiblingRepaintLeavesUpperSiblingAlone) {
    TForm* f = MakeForm(App.get(), 30, 20);
    auto* low = new TFillBox(f);
    low->SetParent(f);
    low->SetBounds(2, 2, 10, 10);
    low->SetColor(clRed);
    auto* high = new TFillBox(f);
    high->SetParent(f);
    high->SetBounds(6, 6, 10, 10);
    high->SetColor(clLime);
    f->Show();
    Pump();
    EXPECT_EQ(At(f, 5, 5), 0x0000FFu);
    EXPECT_EQ(At(f, 6, 6), 0x00FF00u);
    int highPaints = high->Paints;
    low->Invalidate();
    Pump();
    EXPECT_EQ(At(f, 6, 6), 0x00FF00u);
    EXPECT_EQ(At(f, 11, 11), 0x00FF00u);
    EXPECT_EQ(high->Paints, highPaints);
    EXPECT_EQ(low->LastClip, Rect(0, 0, 10, 10));
    // Raising the lower one brings its whole area back on top.
    low->BringToFront();
    Pump();
    EXPECT_EQ(At(f, 11, 11), 0x0000FFu);
    EXPECT_EQ(At(f, 12, 12), 0x00FF00u);
}

TEST_F(Painting, ChildWindowRegionLetsTheParentShowThrough) {
    TForm* f = MakeForm(App.get(), 30, 20);
    auto* box = new TFillBox(f);
    box->SetParent(f);
    box->SetBounds(10, 5, 6, 6);
    box->SetColor(clRed);
    f->Show();
    Pump();
    TRegion shape(Rect(0, 0, 6, 6));
    shape.Subtract(Rect(0, 0, 2, 2)); // a cut corner
    box->SetWindowRgn(&shape, true);
    Pump();
    EXPECT_EQ(At(f, 10, 5), 0xFFFFFFu);
    EXPECT_EQ(At(f, 11, 6), 0xFFFFFFu);
    EXPECT_EQ(At(f, 12, 5), 0x0000FFu);
    EXPECT_EQ(At(f, 10, 7), 0x0000FFu);
    // Mouse hit testing honours the region too.
    EXPECT_EQ(f->ControlAtPos({10, 5}, false), nullptr);
    EXPECT_EQ(f->ControlAtPos({12, 5}, false), box);
}

TEST_F(Painting, FormWindowRegionShapesTheHostWindow) {
    TForm* f = MakeForm(App.get(), 30, 20);
    f->Show();
    Pump();
    TRegion shape(Rect(0, 0, 30, 20));
    shape.Subtract(Rect(0, 0, 3, 3));
    f->SetWindowRgn(&shape, true);
    auto* w = static_cast<THeadlessWindow*>(f->HostWindow());
    ASSERT_NE(w->Shape(), nullptr);
    EXPECT_FALSE(w->Shape()->Contains({1, 1}));
    EXPECT_TRUE(w->Shape()->Contains({3, 3}));
    f->SetWindowRgn(nullptr, true);
    EXPECT_EQ(w->Shape(), nullptr);
}

TEST_F(Painting, ClientDcIsClippedToTheVisiblePartOfTheControl) {
    TForm* f = MakeForm(App.get(), 30, 20);
    auto* panel = new TFillBox(f);
    panel->SetParent(f);
    panel->SetBounds(2, 2, 20, 10);
    auto* child = new TFillBox(f);
    child->SetParent(panel);
    child->SetBounds(15, 5, 10, 10); // sticks out of its parent
    f->Show();
    Pump();
    HDC dc = GetDC(child->Handle());
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(dc->ClipRect(), Rect(0, 0, 5, 5));
    ReleaseDC(child->Handle(), dc);
    HDC pdc = GetDC(panel->Handle());
    EXPECT_FALSE(pdc->RectVisible(Rect(15, 5, 20, 10)));
    EXPECT_TRUE(pdc->RectVisible(Rect(14, 5, 15, 6)));
    ReleaseDC(panel->Handle(), pdc);
}
