#include "controls/TsCustomLabel.h"

#include "framework/component/PropertyHelpers.h"

TsCustomLabel::TsCustomLabel(TComponent* owner) : TLabel(owner) {
    SetTransparent(true);
}

const TClassInfo* TsCustomLabel::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TsCustomLabel>("TsCustomLabel", TLabel::StaticClassInfo());
    return &info;
}

const TClassInfo* TsCustomLabel::ClassInfo() const {
    return StaticClassInfo();
}
