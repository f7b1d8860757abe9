#include "hints/TsComicsHintWindow.h"

#include "paint/ShapeFill.h"

TSize TsComicsHintWindow::HintSize(TSize text, const TsHintLook& look) {
    TSize size = TsCustomHintWindow::HintSize(text, look);
    size.cy += look.ExOffset;
    FGeometry.TailRoom = look.ExOffset;
    return size;
}

void TsComicsHintWindow::PaintShape(TBitmap* mask, const TsShapeRing& ring) const {
    const TRect s = FGeometry.Shape();
    const int i = ring.Inset;
    const TRect r = TRect{s.Left + i, s.Top + i, s.Right - i, s.Bottom - i}.Offset(ring.Offset.X,
                                                                                   ring.Offset.Y);
    FillRoundRect(mask, r, FGeometry.Radius, FGeometry.Radius, ring.Grey);
    FillTail(mask, FGeometry, ring);
}
