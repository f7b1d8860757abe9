#include "controls/TsEditLabel.h"

#include "framework/component/PropertyHelpers.h"

TsEditLabel::TsEditLabel(TComponent* owner, TControl* boundLabel)
    : TsCustomLabel(owner), FBoundLabel(boundLabel) {}

TsEditLabel::~TsEditLabel() {
    if (FBoundLabel && OnGone) OnGone(this);
}

const TClassInfo* TsEditLabel::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TsEditLabel>("TsEditLabel", TsCustomLabel::StaticClassInfo());
    return &info;
}

const TClassInfo* TsEditLabel::ClassInfo() const {
    return StaticClassInfo();
}
