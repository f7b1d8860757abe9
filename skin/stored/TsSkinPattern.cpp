#include "skin/stored/TsSkinPattern.h"

#include "framework/component/PropertyHelpers.h"

const TClassInfo* TsSkinPattern::StaticClassInfo() {
    using P = TsSkinPattern;
    static const TClassInfo info =
        MakeClassInfo<P>("TsSkinPattern", nullptr,
                         {StrProp("SectionName", &P::SectionName),
                          ObjectProp("Image", static_cast<TsStoredJpeg* (P::*)()>(&P::Image)),
                          StrProp("Name", &P::Name), StrProp("PropertyName", &P::PropertyName)});
    return &info;
}
