#pragma once
// What both fade timers share: the blend weight of a step, and one frame of
// a cross-fade painted straight onto a control's window, outside its paint.

#include <cstdint>

class TBitmap;
class TWinControl;

// The values of a fade timer's FadeMode.
constexpr uint8_t fmStopped = 0;
constexpr uint8_t fmFadingIn = 1;  // towards the hot look
constexpr uint8_t fmFadingOut = 2; // towards the normal look

// The share of the first picture at step Step of Steps: 255 - Step * 255 /
// Steps, truncated, kept within 0..255. Steps must not be 0.
int FadeWeight(int step, int steps);

// A copy of First, Second blended into it with First keeping Weight/255 of
// every channel.
void BlendFrame(TBitmap& frame, const TBitmap& first, const TBitmap& second, int weight);

// Copies Frame to (0, 0) of the control's client area (Whole: of the whole
// window, frame included) through a DC of the window.
void ShowFrame(TWinControl& control, const TBitmap& frame, bool whole);
