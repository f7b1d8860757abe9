// TsCommonData: construction, published properties, indexes and the state
// questions (updating, hot, depends on the parent). Commands and window
// events are in TsCommonDataCommands.cpp, the cache in TsCommonDataCache.cpp.

#include "controls/TsCommonData.h"

#include "controls/ControlKinds.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/forms/TCustomForm.h"
#include "framework/graphics/TBitmap.h"
#include "framework/window/TWinControl.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"

const char* const UnknownSkinSection = "UNKNOWN";

TsCommonData::TsCommonData(TObject* owner, bool createCache)
    : FOwnerObject(owner), FOwnerControl(dynamic_cast<TControl*>(owner)) {
    if (createCache) FCacheBmp = std::make_unique<TBitmap>(0, 0, GraphicsScale());
}

TsCommonData::~TsCommonData() = default;

const TClassInfo* TsCommonData::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TsCommonData>("TsCommonData", nullptr,
                                    {
                                        StrProp("SkinSection", &TsCommonData::SetSkinSection),
                                        BoolProp("CustomFont", &TsCommonData::SetCustomFont),
                                        BoolProp("CustomColor", &TsCommonData::SetCustomColor),
                                    });
    return &info;
}

void TsCommonData::SetSkinSection(const std::string& value) {
    const std::string name = value.empty() ? UnknownSkinSection : value;
    if (name == FSkinSection) return;
    FSkinSection = name;
    if (SkinGeneralData.empty())
        SkinIndex = -1;
    else
        UpdateIndexes();
    Invalidate();
}

void TsCommonData::SetCustomFont(bool value) {
    if (value == FCustomFont) return;
    FCustomFont = value;
    Invalidate();
}

void TsCommonData::SetCustomColor(bool value) {
    if (value == FCustomColor) return;
    FCustomColor = value;
    Invalidate();
}

void TsCommonData::Loaded() {
    if (!FSkinSection.empty()) return UpdateIndexes();
    if (const char* section = KindDefaultSection(ControlKind)) return SetSkinSection(section);
    auto* persistent = dynamic_cast<TPersistent*>(FOwnerObject);
    const TClassInfo* info = persistent ? persistent->ClassInfo() : nullptr;
    SetSkinSection(info ? info->Name : std::string());
}

void TsCommonData::UpdateIndexes() {
    BGChanged = true;
    SkinIndex = GetSkinIndex(FSkinSection);
    // Without a section the old skin's border index would name a stranger.
    BorderIndex = SkinIndex >= 0 ? GetMaskIndex(SkinIndex, FSkinSection, "BORDERSMASK") : -1;
}

bool TsCommonData::Skinned() const {
    if (FOwnerControl && FOwnerControl->IsDestroying()) return false;
    const TsSkinManager* manager = GlobalSkinData->DefaultManager;
    return IsValidSkinIndex(SkinIndex) && (!manager || manager->Active());
}

void TsCommonData::Invalidate() {
    TControl* c = FOwnerControl;
    if (!c || c->IsDestroying() || c->IsLoading()) return;
    BGChanged = true;
    if (c->IsReady()) c->Invalidate();
    if (!c->Name().empty() && c->Parent()) c->Perform(SM_VESKACMD, SkinWParam(SKC_INVALIDATED));
}

bool TsCommonData::IsUpdating() const {
    if (Updating || !GlobalSkinData->SkinReady) return true;
    TWinControl* parent = FOwnerControl ? FOwnerControl->Parent() : nullptr;
    return parent && PerformCommand(parent, SKC_ISUPDATING) == 1;
}

bool TsCommonData::OwnerIsWindowed() const {
    return FOwnerControl && FOwnerControl->IsWindowed();
}

bool TsCommonData::ControlIsActive() const {
    const TControl* c = FOwnerControl;
    if (!c || c->IsDestroying() || !c->Enabled() || (c->ComponentState() & csDesigning))
        return false;
    if (Focused) return true;
    if (OwnerIsWindowed() && static_cast<const TWinControl*>(c)->Focused()) return true;
    return MouseAbove && !KindHasTrait(ControlKind, ktNeverHotByMouse);
}

bool TsCommonData::CandidateDependsOnParent() const {
    if (!FOwnerControl->Enabled()) return true;
    const TsGeneralData& s = SkinGeneralData[SkinIndex];
    if (!KindHasTrait(ControlKind, ktHotTransparencyIgnored) && ControlIsActive())
        return s.HotTransparency >= 1;
    return s.Transparency >= 1;
}

bool TsCommonData::DependsOnParent() const {
    const TControl* c = FOwnerControl;
    if (Frozen || !c || dynamic_cast<const TCustomForm*>(c) || c->IsLoading() ||
        (c->ControlState() & csCreating) || !c->Visible())
        return true;
    if (!IsValidSkinIndex(SkinIndex)) return false;
    if (!CandidateDependsOnParent()) return false;
    TWinControl* parent = c->Parent();
    return !parent || AskCommand(parent, SKC_HASCOMPLEXBG);
}
