#pragma once
// The speech-bubble hint: a rounded rectangle with a pointed tail toward the
// anchor, the tail's room added to the height.

#include "hints/TsCustomHintWindow.h"

class TsComicsHintWindow : public TsCustomHintWindow {
public:
    explicit TsComicsHintWindow(TComponent* owner) : TsCustomHintWindow(owner) {}

protected:
    TSize HintSize(TSize text, const TsHintLook& look) override;
    void PaintShape(TBitmap* mask, const TsShapeRing& ring) const override;
};
