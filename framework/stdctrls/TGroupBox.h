#pragma once
// The plain group box: an etched frame with the caption over its top line.

#include "window/TCustomControl.h"

class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

protected:
    void Paint() override;
};
