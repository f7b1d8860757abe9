#pragma once
// The skinned combo box as the window definitions name it.

#include "controls/TsCustomComboBox.h"

class TsComboBox : public TsCustomComboBox {
public:
    using TsCustomComboBox::TsCustomComboBox;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();
};
