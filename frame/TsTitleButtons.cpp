#include "frame/TsTitleButtons.h"

#include "framework/component/PropertyHelpers.h"

TsTitleButton::TsTitleButton(TCollection* collection)
    : TCollectionItem(collection), FGlyph(std::make_unique<TBitmap>()), FName("TsTitleButton") {}

const TClassInfo* TsTitleButton::StaticClassInfo() {
    using B = TsTitleButton;
    static const TClassInfo info =
        MakeClassInfo<B>("TsTitleButton", nullptr,
                         {BoolProp("Enabled", &B::SetEnabled), StrProp("Name", &B::SetName),
                          BoolProp("UseSkinData", &B::SetUseSkinData)});
    return &info;
}

void TsTitleButton::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    Changed(false);
}

void TsTitleButton::SetName(const std::string& value) {
    FName = value.empty() ? "TsTitleButton" : value;
}

void TsTitleButton::SetUseSkinData(bool value) {
    if (value == FUseSkinData) return;
    FUseSkinData = value;
    Changed(false);
}

TsTitleButtons::TsTitleButtons(TPersistent* owner)
    : TCollection([](TCollection* c) { return std::make_unique<TsTitleButton>(c); }, owner) {}

const TClassInfo* TsTitleButtons::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsTitleButtons>("TsTitleButtons", nullptr, {});
    return &info;
}

TsTitleIcon::TsTitleIcon() : FGlyph(std::make_unique<TBitmap>()) {}

const TClassInfo* TsTitleIcon::StaticClassInfo() {
    using I = TsTitleIcon;
    static const TClassInfo info = MakeClassInfo<I>(
        "TsTitleIcon", nullptr, {IntProp("Height", &I::SetHeight), IntProp("Width", &I::SetWidth)});
    return &info;
}
