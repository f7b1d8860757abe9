#include "graphics/BevelPaint.h"

#include "graphics/Graphics.h"
#include "graphics/TCanvas.h"

void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width) {
    canvas.Brush()->SetStyle(bsSolid);
    for (int i = 0; i < width && r.Width() > 0 && r.Height() > 0; ++i) {
        canvas.Brush()->SetColor(topLeft);
        canvas.FillRect(Rect(r.Left, r.Top, r.Right - 1, r.Top + 1));
        canvas.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1));
        canvas.Brush()->SetColor(bottomRight);
        canvas.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
        canvas.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
}

void DrawBevel(TCanvas& canvas, TRect& r, bool raised, int width) {
    if (raised)
        Frame3D(canvas, r, clBtnHighlight, clBtnShadow, width);
    else
        Frame3D(canvas, r, clBtnShadow, clBtnHighlight, width);
}

void DrawRaisedEdge(TCanvas& canvas, TRect& r) {
    Frame3D(canvas, r, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(canvas, r, cl3DLight, clBtnShadow, 1);
}

void DrawSunkenEdge(TCanvas& canvas, TRect& r) {
    Frame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
    Frame3D(canvas, r, cl3DDkShadow, cl3DLight, 1);
}

void DrawPushedEdge(TCanvas& canvas, TRect& r) {
    Frame3D(canvas, r, cl3DDkShadow, cl3DDkShadow, 1);
    Frame3D(canvas, r, clBtnShadow, clBtnShadow, 1);
}

void DrawWindowEdge(TCanvas& canvas, TRect& r, bool raised) {
    if (raised) {
        Frame3D(canvas, r, cl3DLight, cl3DDkShadow, 1);
        Frame3D(canvas, r, clBtnHighlight, clBtnShadow, 1);
    } else {
        Frame3D(canvas, r, cl3DDkShadow, clBtnHighlight, 1);
        Frame3D(canvas, r, clBtnShadow, cl3DLight, 1);
    }
}

void DrawEtchedFrame(TCanvas& canvas, const TRect& r) {
    TRect outer = Rect(r.Left + 1, r.Top + 1, r.Right, r.Bottom);
    Frame3D(canvas, outer, clBtnHighlight, clBtnHighlight, 1);
    TRect inner = Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1);
    Frame3D(canvas, inner, clBtnShadow, clBtnShadow, 1);
}
