#include "controls/TsGauge.h"

#include <algorithm>
#include <cmath>

#include "controls/ControlKinds.h"
#include "controls/TsCommonData.h"
#include "framework/component/PropertyHelpers.h"
#include "skin/SkinCommands.h"

namespace {

constexpr int NewWidth = 120;
constexpr int NewHeight = 30;
constexpr double Hundred = 100.0;
constexpr double OnePercent = 0.01;

} // namespace

TsGauge::TsGauge(TComponent* owner)
    : TGraphicControl(owner), FSkinData(std::make_unique<TsCommonData>(this, false)) {
    FSkinData->ControlKind = ckGauge;
    FControlStyle |= csOpaque;
    SetBounds(Left(), Top(), NewWidth, NewHeight);
    FSkinData->Loaded();
}

TsGauge::~TsGauge() {
    MarkDestroying();
    FSkinData.reset();
}

const TClassInfo* TsGauge::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsGauge>(
        "TsGauge", TGraphicControl::StaticClassInfo(),
        {
            EnumProp("Kind", &TsGauge::SetKind,
                     {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie", "gkNeedle"}),
            EnumProp("BorderStyle", &TsGauge::SetBorderStyle, {"bsNone", "bsSingle"}),
            ObjectProp("SkinData", &TsGauge::SkinData),
            ColorProp("BackColor", &TsGauge::SetBackColor),
            ColorProp("ForeColor", &TsGauge::SetForeColor),
            IntProp("MinValue", &TsGauge::SetMinValue),
            IntProp("MaxValue", &TsGauge::SetMaxValue),
            IntProp("Progress", &TsGauge::SetProgress),
            StrProp("ProgressSkin", &TsGauge::SetProgressSkin),
            BoolProp("ShowText", &TsGauge::SetShowText),
            StrProp("Suffix", &TsGauge::SetSuffix),
        });
    return &info;
}

const TClassInfo* TsGauge::ClassInfo() const {
    return StaticClassInfo();
}

void TsGauge::Loaded() {
    TGraphicControl::Loaded();
    // The limits were stored as read; order them now that all are known.
    SetLimits(FMinValue, FMaxValue, FProgress);
    FSkinData->Loaded();
}

// Skinned changes mark the picture stale; all repaint.
void TsGauge::Changed(bool skinned) {
    if (skinned && FSkinData) FSkinData->Invalidate();
    Invalidate();
}

void TsGauge::SetKind(TsGaugeKind kind) {
    FKind = kind;
    Changed(true);
}

void TsGauge::SetBorderStyle(TsGaugeBorderStyle style) {
    FBorderStyle = style;
    Changed(false);
}

void TsGauge::SetBackColor(TColor color) {
    FBackColor = color;
    Changed(false);
}

void TsGauge::SetForeColor(TColor color) {
    FForeColor = color;
    Changed(false);
}

void TsGauge::SetProgressSkin(const std::string& section) {
    FProgressSkin = section;
    Changed(true);
}

void TsGauge::SetShowText(bool value) {
    FShowText = value;
    Changed(true);
}

void TsGauge::SetSuffix(const std::string& suffix) {
    FSuffix = suffix;
    Changed(true);
}

// While the definition is read the values are kept as they come: a minimum
// above the maximum still in force would otherwise be clamped to it.
void TsGauge::SetMinValue(int value) {
    if (IsLoading())
        FMinValue = value;
    else
        SetLimits(std::min(value, FMaxValue), FMaxValue, FProgress);
}

void TsGauge::SetMaxValue(int value) {
    if (IsLoading())
        FMaxValue = value;
    else
        SetLimits(FMinValue, std::max(value, FMinValue), FProgress);
}

void TsGauge::SetProgress(int value) {
    if (IsLoading())
        FProgress = value;
    else
        SetLimits(FMinValue, FMaxValue, value);
}

void TsGauge::SetLimits(int minValue, int maxValue, int progress) {
    maxValue = std::max(minValue, maxValue);
    progress = std::clamp(progress, minValue, maxValue);
    if (minValue == FMinValue && maxValue == FMaxValue && progress == FProgress) return;
    FMinValue = minValue;
    FMaxValue = maxValue;
    FProgress = progress;
    Changed(true);
}

int TsGauge::PercentDone() const {
    const double span = static_cast<double>(FMaxValue) - FMinValue;
    if (span == 0) return 0;
    return static_cast<int>(
        std::trunc((static_cast<double>(FProgress) - FMinValue) * Hundred / span));
}

int TsGauge::SolveForX(int percent, int length) {
    return static_cast<int>(std::trunc(length * percent * OnePercent));
}

std::string TsGauge::ProgressSection() const {
    if (!FProgressSkin.empty()) return FProgressSkin;
    return FKind == gkVerticalBar ? "PROGRESSV" : "PROGRESSH";
}

namespace {

// The events after which the kept picture no longer shows the gauge.
bool ChangesLook(uint32_t msg) {
    switch (msg) {
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_PARENTFONTCHANGED:
    case CM_COLORCHANGED:
    case CM_PARENTCOLORCHANGED:
    case CM_TEXTCHANGED:
        return true;
    default:
        return false;
    }
}

} // namespace

void TsGauge::WndProc(TMessage& m) {
    if (FSkinData && ChangesLook(m.Msg)) FSkinData->BGChanged = true;
    if (FSkinData && IsSkinMessage(m)) {
        switch (SkinCommandCode(m)) {
        case SKC_ISSKINNED:
            m.LParam = m.Result = 1;
            return;
        case SKC_SETNEWSKIN:
        case SKC_REMOVESKIN:
        case SKC_REFRESH:
            FSkinData->HandleCommand(m);
            Invalidate();
            return;
        default:
            if (FSkinData->HandleWindowMessage(m)) return;
            break;
        }
    }
    TGraphicControl::WndProc(m);
}
