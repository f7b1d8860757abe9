#include "controls/TsFadeTimer.h"

#include <stdexcept>

#include "controls/FadeFrame.h"
#include "controls/TsCommonData.h"
#include "framework/forms/TApplication.h"
#include "framework/graphics/TBitmap.h"
#include "framework/window/TWinControl.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"

TsFadeTimer::TsFadeTimer(TComponent* owner) : TTimer(owner), FFromBmp(std::make_unique<TBitmap>()) {
    SetEnabled(false);
}

TsFadeTimer::~TsFadeTimer() = default;

void TsFadeTimer::SetMode(uint8_t mode) {
    FadeMode = mode;
    SetEnabled(mode != fmStopped);
}

void TsFadeTimer::Prepare(TsCommonData* data) {
    if (!data || !IsValidSkinIndex(data->SkinIndex)) return;
    const TsGeneralData& section = SkinGeneralData[data->SkinIndex];
    if (section.FadingIntervalIn < 0)
        throw std::range_error("The fading interval of section " + section.SectionName +
                               " is negative");
    SkinData = data;
    if (data->CacheBmp()) FFromBmp->Assign(*data->CacheBmp());
    SetInterval(static_cast<unsigned>(section.FadingIntervalIn));
    FadeSteps = section.FadingIterations;
    if (FadeMode == fmFadingIn)
        FadeSteps = FadeStep;
    else if (FadeMode == fmFadingOut)
        FadeSteps -= FadeStep;
}

void TsFadeTimer::Release() {
    SetMode(fmStopped);
    if (FRelease.Ticking)
        FRelease.Pending = true;
    else
        delete this;
}

void TsFadeTimer::Timer() {
    TTimer::Timer();
    FRelease.Ticking = true;
    Tick();
    FRelease.Ticking = false;
    // The button released the timer while it was ticking (SKC_FADEDONE).
    if (FRelease.Pending) delete this;
}

TControl* TsFadeTimer::LiveControl() const {
    TControl* c = SkinData ? SkinData->OwnerControl() : nullptr;
    if (!c || c->IsDestroying() || !c->Showing()) return nullptr;
    if (Application && Application->Terminated()) return nullptr;
    return c;
}

void TsFadeTimer::Tick() {
    TControl* c = LiveControl();
    if (!c) {
        FadeMode = fmStopped;
    } else if (FadeStep > FadeSteps) {
        FadeStep -= 1;
        FadeMode = fmStopped;
        // The last frame may have been one of a reversed fade; the cache
        // holds the look the control ended in.
        c->Invalidate();
    } else if (FadeStep < 0) {
        PerformCommand(c, SKC_FADEDONE);
        return;
    }
    switch (FadeMode) {
    case fmFadingIn:
        FadeInFrame();
        break;
    case fmFadingOut:
        FadeOutFrame();
        break;
    default:
        SetEnabled(false);
        break;
    }
}

void TsFadeTimer::FadeInFrame() {
    auto* c = dynamic_cast<TWinControl*>(LiveControl());
    if (!c || !SkinData->CacheBmp()) return;
    // Without steps there is nothing to show, but the fade still ends.
    if (FadeSteps != 0) {
        TBitmap frame;
        BlendFrame(frame, *FFromBmp, *SkinData->CacheBmp(), FadeWeight(FadeStep, FadeSteps));
        ShowFrame(*c, frame, false);
    }
    FadeStep += 1;
}

void TsFadeTimer::FadeOutFrame() {
    auto* c = dynamic_cast<TWinControl*>(LiveControl());
    if (!c || FadeStep < 0 || !SkinData->CacheBmp()) return;
    if (FadeSteps != 0) {
        TBitmap frame;
        BlendFrame(frame, *SkinData->CacheBmp(), *FFromBmp, FadeWeight(FadeStep, FadeSteps));
        ShowFrame(*c, frame, false);
    }
    FadeStep -= 1;
}
