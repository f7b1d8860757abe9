#pragma once
// The caption label a bound label puts next to its control: a skinned label
// that tells its bound label when it goes, so the bound label never keeps a
// pointer to a freed label.

#include "controls/TsCustomLabel.h"

class TsBoundLabel;

class TsEditLabel : public TsCustomLabel {
public:
    TsEditLabel(TComponent* owner, TsBoundLabel* bound);
    ~TsEditLabel() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    // The bound label frees the label itself; it then no longer hears of it.
    void Detach() { FBound = nullptr; }

private:
    TsBoundLabel* FBound;
};
