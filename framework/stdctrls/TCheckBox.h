#pragma once
// The plain check box. A click (press and release over it) or Space toggles
// it: unchecked, then grayed when AllowGrayed, then checked, then unchecked.
// Every change of State runs Click (OnClick), except while the form's
// definition is being read.

#include "stdctrls/TButtonControl.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    // taRightJustify: box on the left, text on its right (the usual look).
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment a);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool v) { FAllowGrayed = v; }
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState s);
    void Toggle();

    // Where the box is drawn, in client coordinates.
    TRect BoxRect() const;

    void WndProc(TMessage& m) override;

protected:
    void Paint() override;
    void SpaceReleased() override { Toggle(); }

private:
    void PaintCheck(TCanvas& c, const TRect& box);

    TAlignment FAlignment = taRightJustify;
    bool FAllowGrayed = false;
    TCheckBoxState FState = cbUnchecked;
};
