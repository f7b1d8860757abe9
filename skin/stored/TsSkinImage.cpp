#include "skin/stored/TsSkinImage.h"

#include "framework/component/PropertyHelpers.h"

const TClassInfo* TsSkinImage::StaticClassInfo() {
    using I = TsSkinImage;
    static const TClassInfo info = MakeClassInfo<I>(
        "TsSkinImage", nullptr,
        {StrProp("SectionName", &I::SectionName),
         ObjectProp("Image", static_cast<TsStoredBitmap* (I::*)()>(&I::Image)),
         StrProp("Name", &I::Name), StrProp("PropertyName", &I::PropertyName),
         IntProp("Left", &I::Left), IntProp("Top", &I::Top), IntProp("Right", &I::Right),
         IntProp("Bottom", &I::Bottom), IntProp("ImageCount", &I::ImageCount),
         IntProp("MaskType", &I::MaskType), IntProp("BorderWidth", &I::BorderWidth)});
    return &info;
}
