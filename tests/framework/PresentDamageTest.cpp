// What a window presents after a paint: only the pixels that changed. A copy
// of what is already in the back buffer (a warm repaint from a cache) adds
// nothing; a changed row, a fill or text add their boxes.

#include "tests/HeadlessApp.h"

#include "framework/forms/TForm.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/TCustomControl.h"
#include "framework/window/WinApi.h"
#include "platform/headless/THeadlessWindow.h"

using PresentDamage = HeadlessApp;

namespace {

constexpr int Side = 20;
// The whole window again, without the form's erase (a fill, which counts
// wherever it lands).
constexpr unsigned Everything = RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

// Paints by copying its picture, as a skinned control paints from its cache.
class TPictureBox : public TCustomControl {
public:
    explicit TPictureBox(TComponent* o) : TCustomControl(o), Picture(Side, Side) {
        FControlStyle |= csOpaque;
        Picture.Canvas()->Brush()->SetColor(clBlue);
        Picture.Canvas()->FillRect(Rect(0, 0, Side, Side));
    }
    TBitmap Picture;
    bool FillInstead = false;

protected:
    void Paint() override {
        if (FillInstead) {
            Canvas()->Brush()->SetColor(clRed);
            Canvas()->FillRect(Rect(2, 3, 5, 4));
            return;
        }
        Canvas()->BitBlt(0, 0, Side, Side, Picture, 0, 0);
    }
};

} // namespace

TEST_F(PresentDamage, OnlyChangedPixelsArePresented) {
    auto* f = new TForm(App.get());
    f->SetBorderStyle(bsNone);
    f->SetBounds(0, 0, 60, 40);
    auto* box = new TPictureBox(f);
    box->SetParent(f);
    box->SetBounds(10, 10, Side, Side);
    f->Show();
    App->ProcessMessages();
    auto* w = static_cast<THeadlessWindow*>(f->HostWindow());
    const int presents = w->PresentCount();

    // Everything repainted, nothing different: nothing to present.
    RedrawWindow(f->Handle(), nullptr, Everything);
    App->ProcessMessages();
    EXPECT_EQ(w->PresentCount(), presents);

    // One pixel of the picture changed: its row of the copy is presented.
    box->Picture.SetPixel(4, 7, clYellow);
    RedrawWindow(f->Handle(), nullptr, Everything);
    App->ProcessMessages();
    EXPECT_EQ(w->LastPresented().BoundingBox(), Rect(10, 17, 10 + Side, 18));
    EXPECT_EQ(w->Picture().Pixel(14, 17), box->Picture.Pixels().Pixel(4, 7));

    // A fill counts where it lands, whatever was there.
    box->FillInstead = true;
    box->Invalidate();
    App->ProcessMessages();
    EXPECT_EQ(w->LastPresented().BoundingBox(), Rect(12, 13, 15, 14));
}
