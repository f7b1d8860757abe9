#include "browser/PaneScrollBarLook.h"

#include "framework/graphics/BevelPaint.h"

namespace {

// Half the width of an arrow's base, in pixels.
constexpr int kArrowHalf = 3;

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
    canvas.Brush()->SetColor(clBtnText);
    canvas.Pen()->SetColor(clBtnText);
    canvas.Polygon({{cx - kArrowHalf, cy - dir},
                    {cx + kArrowHalf, cy - dir},
                    {cx, cy + dir * (kArrowHalf - 1)}});
}

} // namespace

void PaintPaneScrollBar(TCanvas& canvas, const TPaneScrollBar& bar) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clScrollBar);
    canvas.FillRect(bar.Track());
    PaintButton(canvas, bar.UpButton());
    PaintButton(canvas, bar.DownButton());
    PaintArrow(canvas, bar.UpButton(), true);
    PaintArrow(canvas, bar.DownButton(), false);
    if (!bar.Thumb().IsEmpty()) PaintButton(canvas, bar.Thumb());
}
