#include "controls/TsEditLabel.h"

#include "controls/TsBoundLabel.h"
#include "framework/component/PropertyHelpers.h"

TsEditLabel::TsEditLabel(TComponent* owner, TsBoundLabel* bound)
    : TsCustomLabel(owner), FBound(bound) {}

TsEditLabel::~TsEditLabel() {
    if (FBound) FBound->LabelGone();
}

const TClassInfo* TsEditLabel::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TsEditLabel>("TsEditLabel", TsCustomLabel::StaticClassInfo());
    return &info;
}

const TClassInfo* TsEditLabel::ClassInfo() const {
    return StaticClassInfo();
}
