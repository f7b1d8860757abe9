#pragma once
// The label a bound label creates beside its edit control. It remembers the
// bound label that made it and tells it, through OnGone, when it is
// destroyed first (freed with its form, or by hand), so that the bound
// label stops using it.

#include "controls/TsCustomLabel.h"

class TsEditLabel : public TsCustomLabel {
public:
    TsEditLabel(TComponent* owner, TControl* boundLabel);
    ~TsEditLabel() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    // Null once the bound label is gone.
    TControl* BoundLabel() const { return FBoundLabel.Get(); }

    // Called with this label while it is being destroyed, if the bound
    // label still lives: the bound label marks itself inactive.
    TNotifyEvent OnGone;

private:
    TControlRef FBoundLabel;
};
