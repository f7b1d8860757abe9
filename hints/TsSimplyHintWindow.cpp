#include "hints/TsSimplyHintWindow.h"

#include "hints/HintPaint.h"
#include "hints/TsHintManager.h"
#include "paint/ShapeFill.h"

void TsSimplyHintWindow::PaintShape(TBitmap* mask, const TsShapeRing& ring) const {
    const TRect b = FGeometry.Body();
    const int i = ring.Inset;
    FillRoundRect(mask,
                  TRect{b.Left + i, b.Top + i, b.Right - i, b.Bottom - i}.Offset(ring.Offset.X,
                                                                                 ring.Offset.Y),
                  0, 0, ring.Grey);
}

void TsSimplyHintWindow::PaintBody(TBitmap* body, TsHintManager& manager) {
    TsCustomHintWindow::PaintBody(body, manager);
    const TsHintLook& look = manager.HintKind()->Look();
    if (look.BevelWidth > 0)
        PaintBevelFrame(body, FGeometry.Body(), look.BevelWidth, look.ColorBorderTop,
                        look.ColorBorderBottom);
}
