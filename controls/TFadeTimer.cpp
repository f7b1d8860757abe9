#include "controls/TFadeTimer.h"

#include "controls/FadeFrame.h"
#include "controls/TsCommonData.h"
#include "framework/forms/TApplication.h"
#include "framework/graphics/TBitmap.h"
#include "framework/window/TWinControl.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"

TFadeTimer::TFadeTimer(TComponent* owner, TClient* client) : TTimer(owner), FClient(client) {
    SetEnabled(false);
}

void TFadeTimer::SetMode(uint8_t mode) {
    FadeMode = mode;
    SetEnabled(mode != fmStopped);
}

bool TFadeTimer::ClientAlive() const {
    if (!FClient || (Application && Application->Terminated())) return false;
    const TWinControl& c = FClient->FadeControl();
    return !c.IsDestroying() && c.Showing();
}

void TFadeTimer::Finish(int& step, int by) {
    step += by;
    FadeMode = fmStopped;
    TsCommonData& data = FClient->FadeData();
    if (!SkinChanging) data.BGChanged = true;
    FClient->FadeControl().Repaint();
}

void TFadeTimer::Timer() {
    TTimer::Timer();
    int steps = 0;
    if (!ClientAlive()) {
        FadeMode = fmStopped;
    } else {
        const int index = FClient->FadeData().SkinIndex;
        steps = IsValidSkinIndex(index) ? SkinGeneralData[index].FadingIterations : 0;
        int& step = FClient->FadeStep();
        if (step > steps)
            Finish(step, -1);
        else if (step < 0)
            Finish(step, +1);
    }
    if (FadeMode == fmStopped)
        SetEnabled(false);
    else
        Frame(FClient->FadeStep(), steps);
}

void TFadeTimer::Frame(int& step, int steps) {
    TsCommonData& data = FClient->FadeData();
    const TBitmap* cache = data.CacheBmp();
    // Without steps there is nothing to show, but the fade still ends.
    if (steps != 0 && cache) {
        TBitmap frame;
        const int weight = FadeWeight(step, steps);
        if (FadeMode == fmFadingIn)
            BlendFrame(frame, FClient->FadeFrom(), *cache, weight);
        else
            BlendFrame(frame, *cache, FClient->FadeFrom(), weight);
        ShowFrame(FClient->FadeControl(), frame, true);
    }
    step += FadeMode == fmFadingIn ? 1 : -1;
}
