#pragma once
// The timer that cross-fades a skinned button between its normal and hot
// looks. When a fade starts the button hands it its skin data (Prepare),
// which keeps a copy of the picture being left; the button then renders
// its cache in the new look and sets the mode. Every tick blends the two
// pictures one step further and copies the frame straight onto the
// button's window. A fade-in stops itself on the pure hot look and keeps
// the timer; a fade-out ends by asking the button (SKC_FADEDONE) to repaint
// from its cache and release the timer.

#include <cstdint>
#include <memory>

#include "framework/forms/TTimer.h"

class TBitmap;
class TControl;
class TsCommonData;

class TsFadeTimer : public TTimer {
public:
    explicit TsFadeTimer(TComponent* owner);
    ~TsFadeTimer() override;

    // Stopped (fmStopped) disables the timer; the other modes enable it.
    void SetMode(uint8_t mode);
    // Starts a fade from what Data's cache shows now. A fade that reverses
    // a running one covers only the steps already made. A negative interval
    // in the section is a range error.
    void Prepare(TsCommonData* data);
    // Frees the timer now, or, inside its own tick, when the tick returns.
    void Release();

    uint8_t FadeMode = 0;
    TsCommonData* SkinData = nullptr;
    int FadeSteps = 0;
    int FadeStep = 0;
    TBitmap* FromBmp() const { return FFromBmp.get(); }

protected:
    void Timer() override;

private:
    // Null when the control is gone, going or hidden, or the program ends.
    TControl* LiveControl() const;
    void Tick();
    void FadeInFrame();
    void FadeOutFrame();

    std::unique_ptr<TBitmap> FFromBmp;
    struct {
        bool Ticking = false;
        bool Pending = false;
    } FRelease;
};
