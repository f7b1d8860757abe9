#pragma once
// The skinned windows' plain text label: transparent, in its own font.

#include "controls/TsCustomLabel.h"

class TsLabel : public TsCustomLabel {
public:
    explicit TsLabel(TComponent* owner) : TsCustomLabel(owner) {}

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();
};
