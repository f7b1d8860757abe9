#include "hints/TsCustomHintWindow.h"

#include <algorithm>
#include <cmath>

#include "framework/component/SysUtils.h"
#include "framework/component/TClassRegistry.h"
#include "framework/forms/TApplication.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TCanvas.h"
#include "hints/TsHintManager.h"
#include "hints/TsHtml.h"
#include "platform/THost.h"

namespace {

constexpr unsigned kMeasureFlags =
    DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX;
// Ellipses and balloons narrower than this look like circles around nothing.
constexpr int kMinRoundWidth = 50;
constexpr uint32_t kRgb = 0xFFFFFF;

} // namespace

TsCustomHintWindow::TsCustomHintWindow(TComponent* owner) : THintWindow(owner) {}

const TClassInfo* TsCustomHintWindow::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.Name = "TsCustomHintWindow";
        i.Parent = THintWindow::StaticClassInfo();
        return i;
    }();
    return &info;
}

TSize TsCustomHintWindow::MeasureText(TsHintManager& manager, const std::string& hint) {
    const TsHintLook& look = manager.HintKind()->Look();
    TBitmap* picture = manager.Picture();
    picture->Canvas()->SetFont(*manager.HintKind()->Font());
    TRect r{0, 0, look.MaxWidth, 0};
    if (manager.HTMLMode()) {
        TsHtml html;
        html.Prepare(picture, hint, r);
        try {
            html.Render(r, false);
        } catch (const EConvertError&) {
            // A SIZE that is no number ends the walk; the hint keeps what it measured.
        }
    } else {
        picture->Canvas()->DrawText(hint, r, kMeasureFlags);
    }
    return {std::max(r.Width(), 0), std::max(r.Height(), 0)};
}

TSize TsCustomHintWindow::HintSize(TSize text, const TsHintLook& look) {
    const int s = look.ShadowRoom();
    FGeometry.ShadowRoom = s;
    FGeometry.TailRoom = 0;
    FGeometry.Extra = {};
    return {text.cx + s + 2 * (look.MarginH + look.BevelWidth),
            text.cy + s + 2 * (look.MarginV + look.BevelWidth)};
}

TSize TsCustomHintWindow::GrowRound(TSize text, const TsHintLook& look) {
    text.cx = std::max(text.cx, kMinRoundWidth);
    TSize size = TsCustomHintWindow::HintSize(text, look);
    size.cy += look.ExOffset;
    FGeometry.TailRoom = look.ExOffset;
    const double w = size.cx, h = size.cy;
    const double d = std::sqrt(w * w + h * h) - w;
    FGeometry.Extra = {static_cast<int>(std::lround(w * d / h)),
                       static_cast<int>(std::lround(h * d / w))};
    return {size.cx + FGeometry.Extra.cx, size.cy + FGeometry.Extra.cy};
}

TRect TsCustomHintWindow::CalcHintRect(int, const std::string& hint, void*) {
    TsHintManager* manager = TsHintManager::Active();
    if (!manager) return {};
    const TSize size = HintSize(MeasureText(*manager, hint), manager->HintKind()->Look());
    FGeometry.Size = size;
    return {0, 0, size.cx, size.cy};
}

void TsCustomHintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    TsHintManager* manager = TsHintManager::Active();
    if (!manager || rect.IsEmpty()) {
        Hide();
        return;
    }
    if (Application) Application->SetHintHidePause(manager->PauseHide());
    SetCaption(hint);
    TRect desktop{0, 0, rect.Right, rect.Bottom};
    if (HasHost()) desktop = TRect{0, 0, Host().ScreenSize().cx, Host().ScreenSize().cy};
    const TsHintPlacement place =
        PlaceHint({rect.Left, rect.Top}, {rect.Width(), rect.Height()}, desktop);
    FGeometry.Size = {rect.Width(), rect.Height()};
    FGeometry.Corner = place.Corner;
    // What lies below must not include this window's last hint.
    if (Visible()) Hide();
    ReadBelow(place.Bounds);
    PaintPicture(*manager);
    if (FSawBelow) {
        SetWindowRgn(nullptr, false);
    } else {
        const TRegion shape = MaskRegion(&FMask);
        SetWindowRgn(&shape, false);
    }
    SetBoundsRect(place.Bounds);
    Invalidate();
    Show();
}

void TsCustomHintWindow::ReadBelow(const TRect& screenRect) {
    // Sized first: a picture of device pixels is what the screen is read into.
    FBelow.SetSize(screenRect.Width(), screenRect.Height());
    FSawBelow = HasHost() && Host().ReadScreen(screenRect, FBelow.Pixels());
    if (FSawBelow && FBelow.Pixels().Width() != screenRect.Width() * FBelow.Scale()) {
        // A host that reads logical pixels only: doubled like any 1x picture.
        TPixels read = FBelow.Pixels();
        FBelow.SetPixels(std::move(read), 1);
    }
    if (FSawBelow) return;
    // Nothing to show through: the window is cut to its shape instead, and
    // its soft edge mixes with the body's own colour.
    FBelow.SetSize(screenRect.Width(), screenRect.Height());
    if (TsHintManager* m = TsHintManager::Active())
        FBelow.Pixels().Fill(static_cast<uint32_t>(ColorToRGB(m->HintKind()->Look().Color)) & kRgb);
}

TsGradArray TsCustomHintWindow::Gradient(TsHintManager& manager) const {
    TsHintKind* kind = manager.HintKind();
    TsGradArray gradient;
    if (kind->Look().GradientPercent <= 0) return gradient;
    try {
        ParseGradientData(kind->GradientData(), gradient);
    } catch (const EConvertError&) {
        // The groups before the bad word still paint.
    }
    if (gradient.empty()) kind->SetGradientPercent(0);
    return gradient;
}
