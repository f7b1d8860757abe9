// Invalidation, clipping and window regions, read back from the pixels the
// host window received. Sentinel colours around each expected area catch overdraw.

#include "FrameworkFixture.h"

#include "framework/TCanvas.h"
#include "framework/TCustomControl.h"
#include "framework/TForm.h"
#include "framework/TGraphicControl.h"
#include "framework/WinApi.h"

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
        Canvas()->FillRect(Rect(-5, -5, Width() + 5, Height() + 5));  // overdraw is clipped
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

TEST_F(FrameworkTest, FormPaintsBackgroundAndChildrenClipped) {
    TForm* f = MakeForm(FApp.get(), 40, 30);
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
