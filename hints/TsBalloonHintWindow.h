#pragma once
// The thought-balloon hint: a round body with a trail of small bubbles that
// grow from the anchor's corner toward it.

#include "hints/TsCustomHintWindow.h"

class TsBalloonHintWindow : public TsCustomHintWindow {
public:
    explicit TsBalloonHintWindow(TComponent* owner) : TsCustomHintWindow(owner) {}

protected:
    TSize HintSize(TSize text, const TsHintLook& look) override { return GrowRound(text, look); }
    void PaintShape(TBitmap* mask, const TsShapeRing& ring) const override;

private:
    void PaintBubbles(TBitmap* mask, const TsShapeRing& ring) const;
};
