#include "controls/TsTrackBar.h"

#include <algorithm>

#include "controls/ControlKinds.h"
#include "controls/FadeFrame.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/forms/TApplication.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/TPaintEngine.h"
#include "framework/window/WinApi.h"
#include "platform/VirtualKeys.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"

TsTrackBar::TsTrackBar(TComponent* owner) : TsSkinnedControl(owner, ckTrackBar) {
    FControlStyle |= csOpaque;
    FControlStyle &= ~csDoubleClicks;
    FFadeTimer = new TFadeTimer(this, this);
    SkinData()->Loaded();
    UpdateThumbLength();
}

TsTrackBar::~TsTrackBar() {
    // The timer must not tick on a track bar whose skin data is going.
    FFadeTimer->SetMode(fmStopped);
    delete FFadeTimer;
    FFadeTimer = nullptr;
}

const TClassInfo* TsTrackBar::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsTrackBar>(
        "TsTrackBar", TTrackBar::StaticClassInfo(),
        {
            SetProp("DisabledKind", &TsTrackBar::SetDisabledKind, {"dkBlended", "dkGrayed"}),
            ObjectProp("SkinData", &TsTrackBar::SkinData),
        });
    return &info;
}

const TClassInfo* TsTrackBar::ClassInfo() const {
    return StaticClassInfo();
}

void TsTrackBar::SetDisabledKind(TsDisabledKind kind) {
    if (kind == FDisabledKind) return;
    FDisabledKind = kind;
    SkinData()->Invalidate();
}

void TsTrackBar::Loaded() {
    TsSkinnedControl::Loaded();
    UpdateThumbLength();
}

void TsTrackBar::Invalidate() {
    // A state change repaints through here: the kept picture is stale then.
    if (SkinData()) KeptPictureInvalidated(*SkinData());
    TsSkinnedControl::Invalidate();
}

bool TsTrackBar::PaintSuspended() const {
    // A running fade draws its frames straight onto the window.
    return FFadeTimer && FFadeTimer->FadeMode != fmStopped;
}

void TsTrackBar::WndProc(TMessage& m) {
    if (!SkinData() || !FFadeTimer) return TsSkinnedControl::WndProc(m);
    if (!LeavesPictureAlone(m)) SkinData()->BGChanged = true;
    if (IsSkinMessage(m)) {
        const uint16_t code = SkinCommandCode(m);
        // A fade under way blends pictures of the skin that is going.
        if (code == SKC_SETNEWSKIN || code == SKC_REMOVESKIN) FFadeTimer->SetMode(fmStopped);
        TControlRef alive(this);
        TsSkinnedControl::WndProc(m);
        if (alive && (code == SKC_SETNEWSKIN || code == SKC_REMOVESKIN || code == SKC_REFRESH))
            UpdateThumbLength();
        return;
    }
    if (!IsReady() || !SkinData()->Skinned() || !SkinnedMessage(m)) TsSkinnedControl::WndProc(m);
}

bool TsTrackBar::SkinnedMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        PaintNow(m);
        return true;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        MouseCrossed(m);
        return true;
    case WM_LBUTTONDOWN:
        FState.Hints.Hold();
        StopFade();
        FState.ThumbPressed = true;
        SkinData()->Invalidate();
        return false;
    case WM_LBUTTONUP: {
        TControlRef alive(this);
        TsSkinnedControl::WndProc(m);
        if (!alive) return true;
        FState.Hints.Release();
        FState.ThumbPressed = false;
        SkinData()->Invalidate();
        return true;
    }
    case WM_CAPTURECHANGED:
        // A press that loses the mouse without a release gives the hints back too.
        FState.Hints.Release();
        FState.ThumbPressed = false;
        SkinData()->Invalidate();
        return false;
    default:
        return false;
    }
}

void TsTrackBar::PaintNow(TMessage& m) {
    TPaintStruct ps;
    HDC given = WParamToDC(m.WParam);
    HDC dc = given ? given : BeginPaint(Handle(), ps);
    if (dc && !PaintSuspended() && !SkinData()->IsUpdating()) {
        RefreshKeptPicture(*this);
        dc->BitBlt(0, 0, Width(), Height(), *SkinData()->CacheBmp(), 0, 0);
    }
    if (!given) EndPaint(Handle(), ps);
}

void TsTrackBar::MouseCrossed(TMessage& m) {
    TsCommonData& data = *SkinData();
    const bool wasActive = data.ControlIsActive();
    TControlRef alive(this);
    data.HandleWindowMessage(m);
    TTrackBar::WndProc(m);
    if (!alive || data.ControlIsActive() == wasActive) return;
    // With a button down the look changes at once, without a fade.
    if (!FadingEnabled() || FState.ThumbPressed || IsKeyDown(VK_LBUTTON)) return data.Invalidate();
    if (m.Msg == CM_MOUSEENTER)
        FadeIn();
    else
        FadeOut();
}

// --- fades ---------------------------------------------------------------------------

bool TsTrackBar::FadingEnabled() const {
    const int index = SkinData()->SkinIndex;
    return IsValidSkinIndex(index) && SkinGeneralData[index].FadingEnabled;
}

void TsTrackBar::FadeIn() {
    TsCommonData& data = *SkinData();
    // The cache holds the look last painted: the one being left.
    if (data.CacheBmp()) FFadeFrom.Assign(*data.CacheBmp());
    PrepareCache(*this);
    FFadeStep = 1;
    FFadeTimer->SetEnabled(false);
    FFadeTimer->SetInterval(std::max(0, SkinGeneralData[data.SkinIndex].FadingIntervalIn));
    FFadeTimer->SetMode(fmFadingIn);
}

void TsTrackBar::FadeOut() {
    TsCommonData& data = *SkinData();
    if (data.CacheBmp()) FFadeFrom.Assign(*data.CacheBmp());
    PrepareCache(*this);
    FFadeTimer->SetEnabled(false);
    FFadeTimer->SetInterval(std::max(0, SkinGeneralData[data.SkinIndex].FadingIntervalOut));
    FFadeTimer->SetMode(fmFadingOut);
}

void TsTrackBar::StopFade() {
    FFadeTimer->SetMode(fmStopped);
    const int index = SkinData()->SkinIndex;
    if (IsValidSkinIndex(index)) FFadeStep = SkinGeneralData[index].FadingIterations - 1;
}
