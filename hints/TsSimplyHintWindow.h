#pragma once
// The rectangular hint: a soft-edged rectangle with a raised bevel.

#include "hints/TsCustomHintWindow.h"

class TsSimplyHintWindow : public TsCustomHintWindow {
public:
    explicit TsSimplyHintWindow(TComponent* owner) : TsCustomHintWindow(owner) {}

protected:
    void PaintShape(TBitmap* mask, const TsShapeRing& ring) const override;
    void PaintBody(TBitmap* body, TsHintManager& manager) override;
};
