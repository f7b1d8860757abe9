#pragma once
// The elliptic hint: an ellipse around the text with a pointed tail toward
// the anchor.

#include "hints/TsCustomHintWindow.h"

class TsEllipseHintWindow : public TsCustomHintWindow {
public:
    explicit TsEllipseHintWindow(TComponent* owner) : TsCustomHintWindow(owner) {}

protected:
    TSize HintSize(TSize text, const TsHintLook& look) override { return GrowRound(text, look); }
    void PaintShape(TBitmap* mask, const TsShapeRing& ring) const override;
};
