#include "skin/stored/TsStoredSkin.h"

#include "framework/component/PropertyHelpers.h"

const TClassInfo* TsStoredSkin::StaticClassInfo() {
    using S = TsStoredSkin;
    static const TClassInfo info = MakeClassInfo<S>(
        "TsStoredSkin", nullptr,
        {StrProp("Name", &S::Name),
         CollectionProp("GeneralData", static_cast<TsSkinGenerals* (S::*)()>(&S::GeneralData)),
         CollectionProp("Images", static_cast<TsSkinImages* (S::*)()>(&S::Images)),
         CollectionProp("Patterns", static_cast<TsSkinPatterns* (S::*)()>(&S::Patterns)),
         ObjectProp("MasterBitmap", static_cast<TsStoredBitmap* (S::*)()>(&S::MasterBitmap))});
    return &info;
}

void TsStoredSkin::Assign(const TsStoredSkin& src) {
    if (&src == this) return;
    Name = src.Name;
    FGeneralData.Clear();
    for (const auto& g : src.FGeneralData)
        *FGeneralData.Add() = *g;
    FImages.Clear();
    for (const auto& i : src.FImages) {
        TsSkinImage* copy = FImages.Add();
        copy->SectionName = i->SectionName;
        copy->Image()->Assign(*i->Image());
        copy->Name = i->Name;
        copy->PropertyName = i->PropertyName;
        copy->Left = i->Left, copy->Top = i->Top, copy->Right = i->Right, copy->Bottom = i->Bottom;
        copy->ImageCount = i->ImageCount, copy->MaskType = i->MaskType;
        copy->BorderWidth = i->BorderWidth;
    }
    FPatterns.Clear();
    for (const auto& p : src.FPatterns) {
        TsSkinPattern* copy = FPatterns.Add();
        copy->SectionName = p->SectionName;
        copy->Image()->Assign(*p->Image());
        copy->Name = p->Name;
        copy->PropertyName = p->PropertyName;
    }
    FMasterBitmap.Assign(src.FMasterBitmap);
}

void TsStoredSkins::Assign(const TsStoredSkins& src) {
    if (&src == this) return;
    Clear();
    for (const auto& s : src)
        Add()->Assign(*s);
}

const TsStoredSkin* TsStoredSkins::Find(const std::string& name) const {
    for (const auto& s : *this)
        if (s->Name == name) return s.get();
    return nullptr;
}
