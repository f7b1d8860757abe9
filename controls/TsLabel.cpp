#include "controls/TsLabel.h"

#include "framework/component/PropertyHelpers.h"

const TClassInfo* TsLabel::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TsLabel>("TsLabel", TsCustomLabel::StaticClassInfo());
    return &info;
}

const TClassInfo* TsLabel::ClassInfo() const {
    return StaticClassInfo();
}
