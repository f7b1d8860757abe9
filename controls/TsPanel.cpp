#include "controls/TsPanel.h"

#include "controls/ControlKinds.h"
#include "controls/HalfVisible.h"
#include "controls/TsCommonData.h"
#include "controls/WriteSkinText.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "skin/SkinCommands.h"

namespace {

constexpr unsigned CaptionFlags = DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX;
// The caption band is as high as this letter, centred in the panel.
const char* const BandLetter = "W";

unsigned AlignmentFlag(TAlignment a) {
    switch (a) {
    case taCenter:
        return DT_CENTER;
    case taRightJustify:
        return DT_RIGHT;
    case taLeftJustify:
        break;
    }
    return DT_LEFT;
}

} // namespace

TsPanel::TsPanel(TComponent* owner) : TsSkinnedControl(owner, ckPanel) {
    SkinData()->Loaded();
}

const TClassInfo* TsPanel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsPanel>(
        "TsPanel", TPanel::StaticClassInfo(), {ObjectProp("SkinData", &TsPanel::SkinData)});
    return &info;
}

const TClassInfo* TsPanel::ClassInfo() const {
    return StaticClassInfo();
}

bool TsPanel::HalfVisibleNow() {
    return ContainerHalfVisible(*this, *SkinData());
}

void TsPanel::PaintContent() {
    if (Caption().empty()) return;
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    canvas->SetFont(*Font());
    canvas->Brush()->SetStyle(bsClear);
    const TRect client = ClientRect();
    const int band = canvas->TextHeight(BandLetter);
    const int top = client.Top + (client.Height() - band) / 2;
    TRect r = Rect(client.Left, top, client.Right, top + band);
    WriteSkinText(canvas, Caption(), Enabled(), false, *SkinData(),
                  CaptionFlags | AlignmentFlag(Alignment()), r);
}

void TsPanel::PaintOverCache() {
    if (!OnPaint) return;
    SkinData()->PictureDrawn();
    OnPaint(this, SkinData()->CacheBmp()->Canvas());
}

void TsPanel::Paint() {
    TPanel::Paint();
    if (OnPaint) OnPaint(this, Canvas());
}

void TsPanel::WndProc(TMessage& m) {
    if (!SkinData() || !IsReady() || !SkinData()->Skinned()) {
        // The plain look paints every pixel itself when OnPaint may draw.
        if (m.Msg == WM_ERASEBKGND && OnPaint && !IsSkinMessage(m)) {
            m.Result = 1;
            return;
        }
        return TsSkinnedControl::WndProc(m);
    }
    if (!SkinnedMessage(m)) TsSkinnedControl::WndProc(m);
}

// The messages the skinned panel treats its own way; true when done.
bool TsPanel::SkinnedMessage(TMessage& m) {
    if (IsSkinMessage(m) && SkinCommandCode(m) == SKC_SETFROZEN) {
        TsSkinnedControl::WndProc(m);
        // A frozen panel keeps the picture it has now.
        if (SkinData()->Frozen) PrepareCache(*this);
        return true;
    }
    switch (m.Msg) {
    case CM_VISIBLECHANGED:
        SkinData()->BGChanged = true;
        SkinData()->Updating = false;
        TsSkinnedControl::WndProc(m);
        Repaint();
        return true;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TsSkinnedControl::WndProc(m);
        if (Parent()) SkinData()->Invalidate();
        return true;
    default:
        return false;
    }
}
