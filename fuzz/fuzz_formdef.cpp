// Form definitions: any text either reads or raises EReadError, and a failed
// read leaves the root without the components it began to create.
//
// Build and run (all fuzz targets, clang, FUZZ_SECONDS each):  make fuzz
// Only this one:
//   CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DBUILD_FUZZ=ON
//   cmake --build build/fuzz --target fuzz_formdef
//   build/fuzz/fuzz/fuzz_formdef -max_total_time=60 fuzz/corpus/fuzz_formdef
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/component/PropertyHelpers.h"
#include "framework/component/TFormReader.h"

namespace {

class TFuzzFont : public TPersistent {
public:
    int Height = 0;
    std::string Name;
    TColor Color = 0;
    unsigned Style = 0;
    const TClassInfo* ClassInfo() const override {
        static const TClassInfo info = MakeClassInfo<TFuzzFont>(
            "TFuzzFont", nullptr,
            {IntProp("Height", &TFuzzFont::Height), StrProp("Name", &TFuzzFont::Name),
             ColorProp("Color", &TFuzzFont::Color),
             SetProp("Style", &TFuzzFont::Style, {"fsBold", "fsItalic"})});
        return &info;
    }
};

class TFuzzControl;

class TFuzzItems;

class TFuzzItem : public TPersistent {
public:
    int Width = 0;
    TFuzzFont Font;
    TFuzzControl* Link = nullptr;
    std::vector<uint8_t> Data;
    std::unique_ptr<TFuzzItems> Sub;
    TFuzzFont* GetFont() { return &Font; }
    TFuzzItems* GetSub();
    const TClassInfo* ClassInfo() const override;
};

class TFuzzItems {
public:
    std::vector<std::unique_ptr<TFuzzItem>> Items;
    void Clear() { Items.clear(); }
    TFuzzItem* Add() { return Items.emplace_back(std::make_unique<TFuzzItem>()).get(); }
};

TFuzzItems* TFuzzItem::GetSub() {
    if (!Sub) Sub = std::make_unique<TFuzzItems>();
    return Sub.get();
}

const TClassInfo* TFuzzItem::ClassInfo() const {
    static const TClassInfo info = MakeClassInfo<TFuzzItem>(
        "TFuzzItem", nullptr,
        {IntProp("Width", &TFuzzItem::Width), ObjectProp("Font", &TFuzzItem::GetFont),
         ComponentRefProp("Link", &TFuzzItem::Link), BinaryProp("Data", &TFuzzItem::Data),
         CollectionProp("Sub", &TFuzzItem::GetSub)});
    return &info;
}

enum TFuzzAlign { alNone, alTop, alClient };

class TFuzzControl : public TComponent {
public:
    explicit TFuzzControl(TComponent* owner) : TComponent(owner) {}
    int Left = 0;
    double Ratio = 0;
    std::string Caption;
    bool Enabled = true;
    TFuzzAlign Align = alNone;
    TNotifyEvent OnClick;
    TFuzzControl* Buddy = nullptr;
    std::vector<std::string> Lines;
    TFuzzFont FontObj;
    TFuzzItems PanelsObj;
    TComponent* ParentComp = nullptr;
    TFuzzFont* Font() { return &FontObj; }
    TFuzzItems* Panels() { return &PanelsObj; }
    void SetParentComponent(TComponent* parent) override { ParentComp = parent; }
    void Notification(TComponent* c, TOperation op) override {
        if (op == TOperation::opRemove && c == Buddy) Buddy = nullptr;
    }
    static const TClassInfo* StaticClassInfo() {
        static const TClassInfo info = MakeClassInfo<TFuzzControl>(
            "TFuzzControl", TComponent::StaticClassInfo(),
            {IntProp("Left", &TFuzzControl::Left), FloatProp("Ratio", &TFuzzControl::Ratio),
             StrProp("Caption", &TFuzzControl::Caption),
             BoolProp("Enabled", &TFuzzControl::Enabled),
             EnumProp("Align", &TFuzzControl::Align, {"alNone", "alTop", "alClient"}),
             EventProp("OnClick", &TFuzzControl::OnClick),
             ComponentRefProp("Buddy", &TFuzzControl::Buddy),
             StringsProp("Lines", &TFuzzControl::Lines), ObjectProp("Font", &TFuzzControl::Font),
             CollectionProp("Panels", &TFuzzControl::Panels)});
        return &info;
    }
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
};

class TFuzzForm : public TFuzzControl {
public:
    TFuzzForm() : TFuzzControl(nullptr) {}
    void Button1Click(TObject*) {}
    static const TClassInfo* StaticClassInfo() {
        static const TClassInfo info =
            MakeClassInfo<TFuzzForm>("TFuzzForm", TFuzzControl::StaticClassInfo(), {},
                                     {Method("Button1Click", &TFuzzForm::Button1Click)});
        return &info;
    }
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = [] {
        RegisterClass(TFuzzControl::StaticClassInfo());
        return true;
    }();
    (void)registered;
    TFuzzForm form;
    try {
        ReadComponentResource(&form, std::string_view(reinterpret_cast<const char*>(data), size),
                              "fuzz.dfm");
    } catch (const EReadError&) {
        if (form.ComponentCount() != 0 || form.IsLoading()) std::abort();
        return 0;
    }
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (form.Components(i)->IsLoading()) std::abort();
    return 0;
}
