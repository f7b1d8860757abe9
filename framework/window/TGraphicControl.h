#pragma once
// A windowless control: it has no handle and paints on its parent's DC after
// the parent has painted itself. Its parent hands it mouse messages.

#include "window/TControl.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    void WndProc(TMessage& m) override;

protected:
    // Draws the control; Canvas() is the parent's DC moved to the control's
    // corner and clipped to it.
    virtual void Paint() {}
    TCanvas* Canvas() const { return FCanvas; }

private:
    TCanvas* FCanvas = nullptr;
};
