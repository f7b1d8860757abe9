#pragma once
// The fade timer of a control that keeps the fade's pictures and step
// counter itself (the track bar): the control copies its cache into its
// other picture, renders the cache in the new look, sets the step counter
// and the interval, and sets the mode; each tick blends the two pictures
// one step further onto the whole window. Running past either end stops
// the timer and repaints the control from its cache.

#include <cstdint>

#include "framework/forms/TTimer.h"

class TBitmap;
class TWinControl;
class TsCommonData;

class TFadeTimer : public TTimer {
public:
    // What the faded control keeps for its timer.
    class TClient {
    public:
        virtual ~TClient() = default;
        virtual TWinControl& FadeControl() = 0;
        virtual TsCommonData& FadeData() = 0;
        // The look being left.
        virtual const TBitmap& FadeFrom() = 0;
        virtual int& FadeStep() = 0;
    };

    TFadeTimer(TComponent* owner, TClient* client);

    // Stopped (fmStopped) disables the timer; the other modes enable it.
    void SetMode(uint8_t mode);

    uint8_t FadeMode = 0;

protected:
    void Timer() override;

private:
    bool ClientAlive() const;
    // Runs past either end: stopped, and the control repainted from its cache.
    void Finish(int& step, int by);
    void Frame(int& step, int steps);

    TClient* FClient;
};
