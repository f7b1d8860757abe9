#include "hints/TsEllipseHintWindow.h"

#include "paint/ShapeFill.h"

void TsEllipseHintWindow::PaintShape(TBitmap* mask, const TsShapeRing& ring) const {
    const TRect s = FGeometry.Shape();
    const int i = ring.Inset;
    FillEllipse(mask,
                TRect{s.Left + i, s.Top + i, s.Right - i, s.Bottom - i}.Offset(ring.Offset.X,
                                                                               ring.Offset.Y),
                ring.Grey);
    FillTail(mask, FGeometry, ring);
}
