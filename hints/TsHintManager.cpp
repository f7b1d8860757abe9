#include "hints/TsHintManager.h"

#include <algorithm>
#include <array>

#include "framework/component/PropertyHelpers.h"
#include "framework/forms/TApplication.h"
#include "hints/TsBalloonHintWindow.h"
#include "hints/TsComicsHintWindow.h"
#include "hints/TsEllipseHintWindow.h"
#include "hints/TsSimplyHintWindow.h"

TsHintManager* TsHintManager::FActive = nullptr;
std::vector<TsHintManager*> TsHintManager::FManagers;
TShowHintEvent TsHintManager::FApplicationShowHint;

namespace {

// The application's pauses while a hint manager is around.
constexpr int kHintPause = 500;
constexpr int kHintShortPause = 200;
constexpr int kMaxPause = 3'600'000;

// The values a preset gives HintKind; Unchanged leaves one as it is and a
// null gradient clears GradientData.
constexpr int Unchanged = -1;
struct TPreset {
    TsHintStyle Style;
    int BevelWidth, ExOffset, MarginH, MarginV, MaxWidth, Radius, Blur;
    TColor Color;
    int Transparency;
    TColor ColorBorderTop, ColorBorderBottom;
    int Bevel, GradientPercent;
    const char* GradientData;
    int ShadowBlur, ShadowOffset, ShadowTransparency;
};

// One row per preset, shSimply to shComicsTransparent.
constexpr std::array<TPreset, 7> kPresets{{
    {hsSimply, 1, Unchanged, 4, 4, 240, Unchanged, 0, clInfoBk, 0, 16777215, 0, 1, 100, nullptr, 4,
     8, 50},
    {hsSimply, 5, Unchanged, 8, 5, 240, Unchanged, 3, 11992314, 10, 16777215, 32896, 1, 100,
     "167827;14680063;58;0;0;14680063;15400959;41;0;0;15400959;15400959;0;0;0", 15, 10, 0},
    {hsSimply, 0, Unchanged, 24, 20, 240, Unchanged, 15, 11992314, 15, 16777215, 32896, 1, 100,
     nullptr, 30, 15, 70},
    {hsEllipse, 1, 26, 6, 12, 200, Unchanged, 0, 12778748, 5, 32896, 0, 1, 100,
     "7728127;16777215;99;0;0;16777215;16777215;0;0;0", 4, 16, 74},
    {hsBalloon, 1, 25, 11, 13, 240, Unchanged, 0, 12778748, 7, 0, 0, 1, 100, nullptr, 2, 9, 50},
    {hsComics, 1, 24, 18, 12, 180, 25, 0, 12778748, 0, 16777215, 8388608, 1, 100,
     "16753188;16777215;99;0;0;16777215;16777215;0;0;0", 10, 7, 28},
    {hsComics, 1, 24, 18, 12, 180, 20, 0, 12778748, 10, 0, 0, 1, 100, nullptr, 4, 10, 70},
}};

void Apply(const TPreset& p, TsHintKind& k) {
    k.SetBevelWidth(p.BevelWidth);
    if (p.ExOffset != Unchanged) k.SetExOffset(p.ExOffset);
    k.SetMarginH(p.MarginH);
    k.SetMarginV(p.MarginV);
    k.SetMaxWidth(p.MaxWidth);
    if (p.Radius != Unchanged) k.SetRadius(p.Radius);
    k.SetBlur(p.Blur);
    k.SetColor(p.Color);
    k.SetTransparency(p.Transparency);
    k.SetColorBorderTop(p.ColorBorderTop);
    k.SetColorBorderBottom(p.ColorBorderBottom);
    k.SetBevel(p.Bevel);
    k.SetGradientPercent(p.GradientPercent);
    k.SetGradientData(p.GradientData ? p.GradientData : "");
    k.SetShadowBlur(p.ShadowBlur);
    k.SetShadowOffset(p.ShadowOffset);
    k.SetShadowTransparency(p.ShadowTransparency);
    k.SetShadowEnabled(true);
    k.SetShadowColor(0);
    k.Font()->SetStyle(0);
    k.Font()->SetColor(0);
}

template <class W> THintWindowClass WindowClass() {
    return [](TComponent* owner) -> THintWindow* { return new W(owner); };
}

} // namespace

TsHintManager::TsHintManager(TComponent* owner)
    : TComponent(owner), FHintKind(std::make_unique<TsHintKind>()) {
    FHintKind->OnStyleChanged = [this] {
        if (!IsLoading()) SelectWindowClass();
    };
    if (!Application || Designing()) return;
    Application->SetHintPause(kHintPause);
    Application->SetHintShortPause(kHintShortPause);
    if (FManagers.empty()) {
        FApplicationShowHint = Application->OnShowHint;
        Application->OnShowHint = &TsHintManager::ShowHint;
    }
    FManagers.push_back(this);
}

TsHintManager::~TsHintManager() {
    if (FActive == this) FActive = nullptr;
    std::erase(FManagers, this);
    if (!Application || Application->IsDestroying()) return;
    if (FManagers.empty()) Application->OnShowHint = std::move(FApplicationShowHint);
    // The shaped window would paint from a manager that is gone: the newest
    // manager left picks its class again, or the application's own comes back.
    if (!FOwnsWindowClass) return;
    if (FManagers.empty())
        Application->SetHintWindowClass(nullptr);
    else
        FManagers.back()->SelectWindowClass();
}

bool TsHintManager::Designing() const {
    return (ComponentState() & csDesigning) != 0;
}

void TsHintManager::SetPauseHide(int ms) {
    FPauseHide = std::clamp(ms, 0, kMaxPause);
}

void TsHintManager::Loaded() {
    TComponent::Loaded();
    ApplyPredefinition(FPredefinitions);
    SelectWindowClass();
}

void TsHintManager::ApplyPredefinition(TsHintsPredefinitions preset) {
    if (preset >= shSimply && preset <= shComicsTransparent) {
        Apply(kPresets[static_cast<size_t>(preset)], *FHintKind);
        FHintKind->SetStyle(kPresets[static_cast<size_t>(preset)].Style);
    } else if (preset == shStandard) {
        FHintKind->SetStyle(hsStandard);
    } else if (preset == shNone) {
        FHintKind->SetStyle(hsNone);
    }
}

void TsHintManager::SelectWindowClass() {
    if (Designing() || !Application) return;
    THintWindowClass cls;
    switch (FHintKind->Style()) {
    case hsSimply:
        cls = WindowClass<TsSimplyHintWindow>();
        break;
    case hsComics:
        cls = WindowClass<TsComicsHintWindow>();
        break;
    case hsEllipse:
        cls = WindowClass<TsEllipseHintWindow>();
        break;
    case hsBalloon:
        cls = WindowClass<TsBalloonHintWindow>();
        break;
    case hsNone:
        // A shaped window with no manager to paint from shows nothing.
        cls = WindowClass<TsSimplyHintWindow>();
        break;
    case hsStandard:
        break;
    }
    const bool shaped = FHintKind->Style() <= hsBalloon;
    if (shaped)
        FActive = this;
    else if (FActive == this)
        FActive = nullptr;
    FOwnsWindowClass = static_cast<bool>(cls);
    Application->SetHintWindowClass(std::move(cls));
}

void TsHintManager::ShowHint(std::string& hintStr, bool& canShow, THintInfo& info) {
    // The hint hides after the active manager's pause from its first showing on.
    if (FActive) {
        Application->SetHintHidePause(FActive->FPauseHide);
        info.HideTimeout = FActive->FPauseHide;
    }
    if (!FManagers.empty() && FManagers.back()->OnShowHint)
        FManagers.back()->OnShowHint(hintStr, canShow, info);
}

const TClassInfo* TsHintManager::StaticClassInfo() {
    using M = TsHintManager;
    static const TClassInfo info = MakeClassInfo<M>(
        "TsHintManager", TComponent::StaticClassInfo(),
        {ObjectProp("HintKind", &M::HintKind), BoolProp("HTMLMode", &M::SetHTMLMode),
         IntProp("PauseHide", &M::SetPauseHide),
         EnumProp("Predefinitions", &M::SetPredefinitions,
                  {"shSimply", "shGradient", "shTransparent", "shEllipse", "shBalloon",
                   "shComicsGradient", "shComicsTransparent", "shStandard", "shNone",
                   "shCustom"})});
    return &info;
}
