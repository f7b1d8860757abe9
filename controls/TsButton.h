#pragma once
// The skinned push button: the plain button's behaviour (Caption, Default,
// Cancel, ModalResult, OnClick) with its whole look from its skin section
// (by default "BUTTON"): the section background and border mask for the
// normal, hot and pressed states, the border's see-through corners cut from
// the window's shape, a centred caption, a focus rectangle FocusMargin
// pixels around the caption, and a timed fade between the normal and hot
// looks when the section asks for one. While skinned it issues its own
// clicks: on a left release inside after a press on it, on any key release
// while drawn pushed, on Enter when it is the Default button whatever has
// the focus, and on Escape when it is the Cancel button.
//
// Index: construction and properties in TsButton.cpp; the look in
// TsButtonLook.cpp; the window procedure, mouse and keys in
// TsButtonInput.cpp; the fades in TsButtonFade.cpp.

#include "controls/THintHold.h"
#include "controls/TsDisabledKind.h"
#include "controls/TsSkinnedControl.h"
#include "framework/stdctrls/TButton.h"

class TsFadeTimer;

// What the button's state machine keeps.
struct TsButtonState {
    bool MouseInside = false;   // a press began on the button; its release is awaited
    bool Pressed = false;       // drawn pushed because of the mouse or a key
    bool RegionChanged = true;  // the next render rebuilds the window's shape
    bool Down = false;          // stays drawn pushed
    bool DefaultActive = false; // a Default button hot while no skinned button has the focus
    THintHold Hints;            // hints are off during a press
};

class TsButton : public TsSkinnedControl<TButton> {
public:
    explicit TsButton(TComponent* owner);
    ~TsButton() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind kind);
    bool Down() const { return FState.Down; }
    void SetDown(bool value);
    int FocusMargin() const { return FFocusMargin; }
    void SetFocusMargin(int margin) { FFocusMargin = margin; }

    bool DrawnPushed() const { return FState.Pressed || FState.Down; }
    const TsButtonState& State() const { return FState; }
    TsFadeTimer* FadeTimer() const { return FFadeTimer; }

    void Loaded() override;
    void WndProc(TMessage& m) override;

    // The caption's rectangle on the cache, moved by one when drawn pushed.
    virtual TRect CaptionRect();

protected:
    // --- the look (TsButtonLook.cpp) ------------------------------------------
    int PaintState() override;
    void PaintContent() override;
    bool RegionChanged() const override { return FState.RegionChanged; }
    void RegionRebuilt() override { FState.RegionChanged = false; }
    int DisabledFlags() const override { return FDisabledKind; }
    bool PaintSuspended() const override;
    virtual void DrawCaption(TRect rect, unsigned flags);
    void DrawCaptionAndFocus();
    bool CaptionHot();

    // Space released: while skinned the key release has clicked already.
    void SpaceReleased() override;

private:
    // --- the state machine (TsButtonInput.cpp) -------------------------------
    bool SkinCommand(TMessage& m);
    bool SkinnedMessage(TMessage& m);
    void Inherited(TMessage& m) { TButton::WndProc(m); }
    // The pushed look changed: shape and cache rebuilt, repainted.
    void PushChanged(bool pressed);
    void FocusGained(TMessage& m);
    void FocusLost();
    void MouseEvent(const TMessage& m);
    bool MousePress(const TMessage& m);
    bool MouseRelease(TMessage& m);
    bool DialogKey(const TMessage& m);
    // The focused, enabled button drawn pushed by Space; false when not.
    bool PressBySpace();
    void KeyReleased();
    void FocusChanged(const TMessage& m);
    void Restyle();

    // --- fades (TsButtonFade.cpp) --------------------------------------------
    bool FadingEnabled() const;
    void StartFade(uint8_t mode);
    void StopFade();

    TsButtonState FState;
    int FFocusMargin = 1;
    TsDisabledKind FDisabledKind = dkBlended;
    TsFadeTimer* FFadeTimer = nullptr;
};
