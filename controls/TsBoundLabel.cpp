#include "controls/TsBoundLabel.h"

#include <algorithm>

#include "controls/TsEditLabel.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TFont.h"
#include "framework/window/TWinControl.h"

namespace {
// Pixels between a label on the left and its control.
constexpr int LeftGap = 4;
// A label on the left stands this much above the control's centre line.
constexpr int LeftRise = 1;
const char* const LabelSuffix = "Label";
} // namespace

TsBoundLabel::TsBoundLabel(TWinControl* control, TsCommonData* data)
    : FFont(std::make_unique<TFont>()), FControl(control), FSkinData(data) {
    FFont->OnChange = [this](TObject*) {
        if (!FLabel) return;
        FLabel->SetParentFont(false);
        FLabel->SetFont(*FFont);
        AlignLabel();
    };
}

TsBoundLabel::~TsBoundLabel() {
    SetActive(false);
}

const TClassInfo* TsBoundLabel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsBoundLabel>(
        "TsBoundLabel", nullptr,
        {
            IntProp("MaxWidth", &TsBoundLabel::SetMaxWidth),
            StrProp("Caption", &TsBoundLabel::SetCaption),
            EnumProp("Layout", &TsBoundLabel::SetLayout,
                     {"sclLeft", "sclTopLeft", "sclTopCenter", "sclTopRight"}),
            ObjectProp("Font", &TsBoundLabel::Font),
            IntProp("Indent", &TsBoundLabel::SetIndent),
            BoolProp("Active", &TsBoundLabel::SetActive),
        });
    return &info;
}

void TsBoundLabel::SetMaxWidth(int value) {
    FMaxWidth = std::max(0, value);
    if (FLabel) AlignLabel();
}

void TsBoundLabel::SetCaption(const std::string& value) {
    FCaption = value;
    if (!FLabel) return;
    FLabel->SetCaption(value);
    AlignLabel();
}

void TsBoundLabel::SetLayout(TsBoundLabelLayout value) {
    FLayout = value;
    if (FLabel) AlignLabel();
}

void TsBoundLabel::SetFont(const TFont& font) {
    // The font's change notice copies it into the label.
    FFont->Assign(font);
}

void TsBoundLabel::SetIndent(int value) {
    FIndent = value;
    if (FLabel) AlignLabel();
}

void TsBoundLabel::SetActive(bool value) {
    if (value == Active()) return;
    if (value) return CreateLabel();
    TsEditLabel* label = FLabel;
    FLabel = nullptr;
    label->Detach();
    delete label;
}

void TsBoundLabel::CreateLabel() {
    auto* label = new TsEditLabel(FControl, this);
    FLabel = label;
    label->SetVisible(false);
    label->SetFocusControl(FControl);
    label->SetAlignment(taRightJustify);
    // An unnamed control would give every such label the same name.
    if (!FControl->Name().empty()) label->SetName(FControl->Name() + LabelSuffix);
    if (FCaption.empty()) FCaption = FControl->Name();
    label->SetCaption(FCaption);
    label->SetParent(FControl->Parent());
    label->SetVisible(FControl->Visible() || (FControl->ComponentState() & csDesigning));
    label->SetEnabled(FControl->Enabled());
    AlignLabel();
}

void TsBoundLabel::SizeLabel() {
    if (FMaxWidth == 0) {
        FLabel->SetWordWrap(false);
        FLabel->SetAutoSize(true);
        FLabel->AdjustBounds();
        return;
    }
    FLabel->SetAutoSize(false);
    FLabel->SetWordWrap(true);
    TBitmap scratch;
    TCanvas* canvas = scratch.Canvas();
    canvas->SetFont(*FLabel->Font());
    TRect text = Rect(0, 0, FMaxWidth, 0);
    canvas->DrawText(FLabel->Caption(), text, FLabel->TextFlags() | DT_CALCRECT);
    FLabel->SetBounds(FLabel->Left(), FLabel->Top(), FMaxWidth,
                      std::max(text.Height(), FControl->Height()));
}

void TsBoundLabel::AlignLabel() {
    if (!FLabel) return;
    if (FLabel->Parent() != FControl->Parent()) FLabel->SetParent(FControl->Parent());
    SizeLabel();
    const int w = FLabel->Width();
    const int h = FLabel->Height();
    const int top = FControl->Top() - h - FIndent;
    switch (FLayout) {
    case sclLeft:
        FLabel->SetBounds(FControl->Left() - w - LeftGap - FIndent,
                          FControl->Top() + (FControl->Height() - h) / 2 - LeftRise, w, h);
        break;
    case sclTopLeft:
        FLabel->SetBounds(FControl->Left(), top, w, h);
        break;
    case sclTopCenter:
        FLabel->SetBounds(FControl->Left() + (FControl->Width() - w) / 2, top, w, h);
        break;
    case sclTopRight:
        FLabel->SetBounds(FControl->Left() + FControl->Width() - w, top, w, h);
        break;
    }
}

void TsBoundLabel::ControlChanged(const TMessage& m) {
    if (!FLabel) return;
    switch (m.Msg) {
    case CM_VISIBLECHANGED:
        FLabel->SetVisible(FControl->Visible());
        break;
    case CM_ENABLEDCHANGED:
        FLabel->SetEnabled(FControl->Enabled());
        break;
    case WM_MOVE:
    case WM_SIZE:
    case CM_CONTROLCHANGE:
        AlignLabel();
        break;
    default:
        break;
    }
}
