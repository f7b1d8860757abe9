// The skinned button's fades between its normal and hot looks: started by
// the mouse entering or leaving, stopped by a press, a focus change or the
// end of a fade-out.

#include "controls/FadeFrame.h"
#include "controls/TsButton.h"
#include "controls/TsFadeTimer.h"
#include "skin/SkinState.h"

bool TsButton::FadingEnabled() const {
    const int index = SkinData()->SkinIndex;
    return IsValidSkinIndex(index) && SkinGeneralData[index].FadingEnabled;
}

void TsButton::StartFade(uint8_t mode) {
    if (!FFadeTimer) {
        FFadeTimer = new TsFadeTimer(this);
        // A fade-in starts one step on: its first frame is already a blend.
        FFadeTimer->FadeStep = mode == fmFadingIn ? 1 : 0;
    }
    FFadeTimer->Prepare(SkinData());
    // The cache holds the look the fade goes to, rendered once per fade.
    PrepareCache(*this);
    FFadeTimer->SetMode(mode);
}

void TsButton::StopFade() {
    if (!FFadeTimer) return;
    TsFadeTimer* timer = FFadeTimer;
    FFadeTimer = nullptr;
    timer->SetMode(fmStopped);
    // A fade under way left a frame on the screen, not the cache.
    if (timer->FadeStep != 0) SkinData()->Invalidate();
    timer->Release();
}
