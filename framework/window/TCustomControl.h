#pragma once
// A windowed control that paints itself: override Paint and draw on Canvas().
// During painting Canvas() is the paint DC (clipped to the update region,
// children cut out); outside painting it is a fresh client DC.

#include <memory>

#include "window/TWinControl.h"

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TCanvas* Canvas();

protected:
    void PaintWindow(HDC dc) override;
    virtual void Paint() {}

private:
    TCanvas* FPaintCanvas = nullptr;
    HDC FOwnDC = nullptr;
};
