#include "browser/PaneScrollBarLook.h"

#include "framework/graphics/BevelPaint.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"
#include "skin/TsSkinData.h"

namespace {

// Half the width of an arrow's base, in pixels.
constexpr int kArrowHalf = 3;

// The skin's sections for the parts of a vertical bar.
const char* const kTrackSection = "SCROLLBAR1V";
const char* const kThumbSection = "SCROLLSLIDERV";
const char* const kUpSection = "SCROLLBTNTOP";
const char* const kDownSection = "SCROLLBTNBOTTOM";

void PaintButton(TCanvas& canvas, TRect r) {
    DrawRaisedEdge(canvas, r);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(r);
}

void PaintArrow(TCanvas& canvas, const TRect& button, bool up) {
    const int cx = (button.Left + button.Right) / 2;
    const int cy = (button.Top + button.Bottom) / 2;
    const int dir = up ? -1 : 1;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnText);
    canvas.Pen()->SetColor(clBtnText);
    canvas.Polygon({{cx - kArrowHalf, cy - dir},
                    {cx + kArrowHalf, cy - dir},
                    {cx, cy + dir * (kArrowHalf - 1)}});
}

void PaintPlain(TCanvas& canvas, const TPaneScrollBar& bar) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clScrollBar);
    canvas.FillRect(bar.Track());
    PaintButton(canvas, bar.UpButton());
    PaintButton(canvas, bar.DownButton());
    if (!bar.Thumb().IsEmpty()) PaintButton(canvas, bar.Thumb());
}

// The bar drawn from the skin's sections into a picture of its own, which
// then goes to the canvas; false when the skin lacks one of them.
bool PaintSkinned(TCanvas& canvas, const TPaneScrollBar& bar) {
    if (!GlobalSkinData->SkinReady) return false;
    const int track = GetSkinIndex(kTrackSection), thumb = GetSkinIndex(kThumbSection);
    const int up = GetSkinIndex(kUpSection), down = GetSkinIndex(kDownSection);
    if (track < 0 || thumb < 0 || up < 0 || down < 0) return false;
    const TRect b = bar.Bounds();
    TBitmap picture(b.Width(), b.Height(), GraphicsScale());
    const TPoint shift{-b.Left, -b.Top};
    auto local = [shift](TRect r) {
        return TRect{r.Left + shift.X, r.Top + shift.Y, r.Right + shift.X, r.Bottom + shift.Y};
    };
    const TCacheInfo none;
    const TPoint at{b.Left, b.Top};
    PaintSectionWithBorder(track, kTrackSection, 0, true, none, &picture, local(bar.Track()), at);
    PaintSectionWithBorder(up, kUpSection, 0, true, none, &picture, local(bar.UpButton()), at);
    PaintSectionWithBorder(down, kDownSection, 0, true, none, &picture, local(bar.DownButton()),
                           at);
    if (!bar.Thumb().IsEmpty())
        PaintSectionWithBorder(thumb, kThumbSection, 0, true, none, &picture, local(bar.Thumb()),
                               at);
    canvas.Draw(b.Left, b.Top, picture);
    return true;
}

} // namespace

void PaintPaneScrollBar(TCanvas& canvas, const TPaneScrollBar& bar) {
    if (!PaintSkinned(canvas, bar)) PaintPlain(canvas, bar);
    PaintArrow(canvas, bar.UpButton(), true);
    PaintArrow(canvas, bar.DownButton(), false);
}
