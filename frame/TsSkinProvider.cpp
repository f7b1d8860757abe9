#include "frame/TsSkinProvider.h"

#include "controls/ControlKinds.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/window/WinApi.h"
#include "platform/services/SystemMetrics.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"

namespace {

// The button size when the skin has no close picture.
constexpr int DefaultButtonSize = 21;

bool IsSizeable(TFormBorderStyle s) {
    return s == bsSizeable || s == bsSizeToolWin;
}

TCustomForm* OwningForm(TComponent* owner) {
    for (TComponent* c = owner; c; c = c->Owner())
        if (auto* f = dynamic_cast<TCustomForm*>(c)) return f;
    return nullptr;
}

} // namespace

TsSkinProvider::TsSkinProvider(TComponent* owner)
    : TComponent(owner), FSkinData(std::make_unique<TsCommonData>(this, true)),
      FTitleButtons(std::make_unique<TsTitleButtons>(this)),
      FTitleIcon(std::make_unique<TsTitleIcon>()),
      FSystemMenu(std::make_unique<TsSystemMenu>(this)) {
    FSkinData->ControlKind = ckFormProvider;
    FSkinData->SetSkinSection("FORM");
    FForm = OwningForm(owner);
    if (FForm) FBorderStyle = FForm->BorderStyle();
    if (!FSkinManager) FSkinManager = GlobalSkinData->DefaultManager;
    if (GlobalSkinData->SkinReady && !SkinMasks.empty()) TakeOverSkin();
    if (FForm) {
        OldWndProc = FForm->WindowProc;
        FForm->WindowProc = [this](TMessage& m) { NewWndProc(m); };
    }
    UpdateMaskIndexes();
}

TsSkinProvider::~TsSkinProvider() {
    MarkDestroying();
    // A form being destroyed has already lost its control part.
    if (FForm && !FForm->IsDestroying() && OldWndProc) {
        FForm->WindowProc = OldWndProc;
        GiveBackSkin();
    }
}

const TClassInfo* TsSkinProvider::StaticClassInfo() {
    using P = TsSkinProvider;
    static const TClassInfo info = MakeClassInfo<P>(
        "TsSkinProvider", TComponent::StaticClassInfo(),
        {SetProp("BorderIcons", &P::SetBorderIcons,
                 {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}),
         EnumProp("CaptionAlignment", &P::SetCaptionAlignment,
                  {"taLeftJustify", "taRightJustify", "taCenter"}),
         ObjectProp("SkinData", &P::SkinData),
         EnumProp("GripMode", &P::SetGripMode, {"gmNone", "gmRightBottom"}),
         BoolProp("MakeSkinMenu", &P::SetMakeSkinMenu),
         EnumProp("ResizeMode", &P::SetResizeMode, {"rmStandard", "rmBorder"}),
         BoolProp("ScreenSnap", &P::SetScreenSnap), IntProp("SnapBuffer", &P::SetSnapBuffer),
         BoolProp("ShowAppIcon", &P::SetShowAppIcon),
         CollectionProp("TitleButtons", &P::TitleButtons), ObjectProp("TitleIcon", &P::TitleIcon),
         BoolProp("UseGlobalColor", &P::SetUseGlobalColor)});
    return &info;
}

// --- properties -------------------------------------------------------------------

void TsSkinProvider::SetBorderIcons(TBorderIcons value) {
    if (value == FBorderIcons) return;
    FBorderIcons = value;
    RepaintFrame();
}

void TsSkinProvider::SetCaptionAlignment(TAlignment value) {
    if (value == FCaptionAlignment) return;
    FCaptionAlignment = value;
    RepaintFrame();
}

void TsSkinProvider::SetGripMode(TsGripMode value) {
    if (value == FGripMode) return;
    FGripMode = value;
    RepaintFrame();
}

void TsSkinProvider::SetShowAppIcon(bool value) {
    if (value == FShowAppIcon) return;
    FShowAppIcon = value;
    RepaintFrame();
}

void TsSkinProvider::SetUseGlobalColor(bool value) {
    FUseGlobalColor = value;
    if (value && FForm && FSkinManager && SkinActive())
        FForm->SetColor(FSkinManager->GetDefaultColor());
}

// --- skin ---------------------------------------------------------------------------

bool TsSkinProvider::SkinActive() const {
    return FForm && !FForm->IsDestroying() && FSkinManager && FSkinManager->Active() &&
           GlobalSkinData->SkinReady && IsValidSkinIndex(FSkinData->SkinIndex);
}

void TsSkinProvider::UpdateMaskIndexes() {
    FSkinData->UpdateIndexes();
    const int si = FSkinData->SkinIndex;
    auto mask = [si](const char* name) { return si >= 0 ? GetMaskIndex(si, "FORM", name) : -1; };
    ButtonMin.ImageIndex = mask("BICONMIN");
    ButtonMax.ImageIndex = mask("BICONMAX");
    ButtonClose.ImageIndex = mask("BICONCLOSE");
    ButtonHelp.ImageIndex = mask("BICONHELP");
    if (FForm && FForm->FormStyle() == fsMDIForm) {
        const int mi = GetSkinIndex("MENULINE");
        auto small = [mi](const char* n) { return mi >= 0 ? GetMaskIndex(mi, "MENULINE", n) : -1; };
        ChildMin.ImageIndex = small("BICONMIN");
        ChildMax.ImageIndex = small("BICONNORM");
        ChildClose.ImageIndex = small("BICONCLOSE");
    }
    if (FSkinManager && FForm && FUseGlobalColor && SkinActive())
        FForm->SetColor(FSkinManager->GetDefaultColor());
}

// The form's own title buttons are kept aside while the skin draws them.
void TsSkinProvider::TakeOverSkin() {
    if (!FForm || FIconsTaken) return;
    FSavedBorderIcons = FForm->BorderIcons();
    FIconsTaken = true;
    FForm->SetBorderIcons(0);
}

void TsSkinProvider::GiveBackSkin() {
    if (!FForm || !FIconsTaken) return;
    FIconsTaken = false;
    FForm->SetBorderIcons(FSavedBorderIcons);
    FForm->SetWindowRgn(nullptr, true);
    FForm->InvalidateFrame();
}

void TsSkinProvider::Loaded() {
    TComponent::Loaded();
    UpdateMaskIndexes();
    FSkinData->BGChanged = true;
}

void TsSkinProvider::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FSkinManager) FSkinManager = nullptr;
}

// --- metrics ---------------------------------------------------------------------------

int TsSkinProvider::SysBorderWidth() const {
    switch (FBorderStyle) {
    case bsNone:
        return 0;
    case bsSizeable:
    case bsSizeToolWin:
        return GetSystemMetrics(SM_CXFRAME);
    default:
        return GetSystemMetrics(SM_CXFRAME) - 1;
    }
}

int TsSkinProvider::SysBorderHeight() const {
    switch (FBorderStyle) {
    case bsNone:
        return 0;
    case bsSingle:
    case bsDialog:
        return GetSystemMetrics(SM_CYFRAME) - 1;
    default:
        return GetSystemMetrics(SM_CYFRAME);
    }
}

int TsSkinProvider::CaptionHeight() const {
    switch (FBorderStyle) {
    case bsNone:
        return 0;
    case bsToolWindow:
        return GetSystemMetrics(SM_CYSMCAPTION) - 1;
    case bsSizeToolWin:
        return GetSystemMetrics(SM_CYSMCAPTION);
    default:
        return GetSystemMetrics(SM_CYCAPTION);
    }
}

int TsSkinProvider::ButtonWidth() const {
    return ButtonClose.ImageIndex >= 0 ? CellSize(ButtonClose.ImageIndex).cx : DefaultButtonSize;
}

int TsSkinProvider::ButtonHeight() const {
    return ButtonClose.ImageIndex >= 0 ? CellSize(ButtonClose.ImageIndex).cy : DefaultButtonSize;
}

int TsSkinProvider::FormWidth() const {
    if (!FForm) return 0;
    if (FForm->WindowState() == wsMinimized) return GetWindowRect(FForm->Handle()).Width();
    return FForm->Width();
}

int TsSkinProvider::FormHeight() const {
    if (!FForm) return 0;
    if (FForm->WindowState() == wsMinimized) return TitleAreaHeight() - SysBorderHeight() + 1;
    return FForm->Height();
}

int TsSkinProvider::TitleAreaHeight() const {
    return CaptionHeight() + 2 * SysBorderHeight();
}

int TsSkinProvider::IconWidth() const {
    if (!FTitleIcon->Glyph()->Empty())
        return FTitleIcon->Width() > 0 ? FTitleIcon->Width() : FTitleIcon->Glyph()->Width();
    return FShowAppIcon ? GetSystemMetrics(SM_CXSMICON) : 0;
}

int TsSkinProvider::IconHeight() const {
    if (!FTitleIcon->Glyph()->Empty())
        return FTitleIcon->Height() > 0 ? FTitleIcon->Height() : FTitleIcon->Glyph()->Height();
    return FShowAppIcon ? GetSystemMetrics(SM_CYSMICON) : 0;
}

// --- visibility rules ---------------------------------------------------------------------

bool TsSkinProvider::CloseVisible() const {
    return FBorderIcons & biSystemMenu;
}
bool TsSkinProvider::MaxVisible() const {
    return FBorderStyle == bsSizeable && (FBorderIcons & biSystemMenu);
}
bool TsSkinProvider::MinVisible() const {
    return (FBorderStyle == bsSingle || FBorderStyle == bsSizeable) &&
           (FBorderIcons & biSystemMenu);
}
bool TsSkinProvider::MaxEnabled() const {
    return (FBorderIcons & biMaximize) && FForm && FForm->WindowState() != wsMaximized &&
           IsSizeable(FBorderStyle);
}
bool TsSkinProvider::MinEnabled() const {
    return (FBorderIcons & biMinimize) && FForm && FForm->WindowState() != wsMinimized;
}
bool TsSkinProvider::RestoreEnabled() const {
    if (!FForm) return false;
    return ((FBorderIcons & biMaximize) && FForm->WindowState() != wsNormal) ||
           FForm->WindowState() == wsMinimized;
}
bool TsSkinProvider::MoveEnabled() const {
    return FForm && FForm->WindowState() != wsMaximized;
}
bool TsSkinProvider::SizeVisible() const {
    return FBorderStyle == bsSingle || IsSizeable(FBorderStyle);
}
bool TsSkinProvider::HelpPresent() const {
    return (FBorderIcons & biHelp) && ButtonHelp.ImageIndex >= 0;
}
