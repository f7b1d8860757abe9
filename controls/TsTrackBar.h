#pragma once
// The skinned track bar: the plain track bar's keys, dragging and positions
// with its look from its skin section (by default "TRACKBAR"): the section's
// look, the channel from the section's "SLIDERCHANNEL" mask, raised tick
// marks, and the thumb from "SLIDERMASK" (its length follows the mask's
// height). Its picture is rendered anew after any event that may
// change it (or a change under it) and kept between paints otherwise. When the section asks for
// fades the look cross-fades between normal and hot as the mouse enters and leaves; a press stops
// the fade at once and shows the thumb pushed.
//
// Index: construction, properties, window procedure and fades in
// TsTrackBar.cpp; the look in TsTrackBarLook.cpp.

#include <memory>
#include <vector>

#include "controls/TFadeTimer.h"
#include "controls/THintHold.h"
#include "controls/TsDisabledKind.h"
#include "controls/TsSkinnedControl.h"
#include "framework/graphics/TBitmap.h"
#include "framework/stdctrls/TTrackBar.h"

// What the track bar's state machine keeps.
struct TsTrackBarState {
    bool ThumbPressed = false; // the left button went down on the control
    THintHold Hints;           // hints are off for a press
};

class TsTrackBar : public TsSkinnedControl<TTrackBar>, private TFadeTimer::TClient {
public:
    explicit TsTrackBar(TComponent* owner);
    ~TsTrackBar() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind kind);

    // Length of the tick marks.
    int TickLength = 5;
    const TsTrackBarState& State() const { return FState; }
    TFadeTimer* FadeTimer() const { return FFadeTimer; }
    const TBitmap& FadeFromBmp() const { return FFadeFrom; }
    int FadeStepValue() const { return FFadeStep; }

    // --- the look (TsTrackBarLook.cpp) ------------------------------------------
    // The channel as painted: narrowed to the channel mask's height.
    TRect SkinChannelRect() const;
    // Client x of every tick mark.
    std::vector<int> TickPositions() const;
    // 2 while pressed, 1 if hot, else 0.
    int ThumbState() const;
    // The thumb's length from the thumb mask, when the skin has one.
    void UpdateThumbLength();

    void Loaded() override;
    void WndProc(TMessage& m) override;
    void Invalidate() override;

protected:
    void PaintContent() override;
    int DisabledFlags() const override { return FDisabledKind; }
    bool PaintSuspended() const override;

private:
    // --- TFadeTimer::TClient ------------------------------------------------------
    TWinControl& FadeControl() override { return *this; }
    TsCommonData& FadeData() override { return *SkinData(); }
    const TBitmap& FadeFrom() override { return FFadeFrom; }
    int& FadeStep() override { return FFadeStep; }

    bool SkinnedMessage(TMessage& m);
    void PaintNow(TMessage& m);
    void MouseCrossed(TMessage& m);
    void PaintChannel();
    void PaintTicks();
    void PaintThumb();
    int SectionMask(const char* name) const;

    bool FadingEnabled() const;
    void FadeIn();
    void FadeOut();
    void StopFade();

    TsTrackBarState FState;
    TsDisabledKind FDisabledKind = dkBlended;
    TBitmap FFadeFrom;
    int FFadeStep = 0;
    TFadeTimer* FFadeTimer = nullptr;
};
