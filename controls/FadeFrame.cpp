#include "controls/FadeFrame.h"

#include <algorithm>

#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/TWinControl.h"
#include "framework/window/WinApi.h"
#include "paint/Blend.h"

namespace {
constexpr int FullWeight = 255;
}

int FadeWeight(int step, int steps) {
    // Weights outside the byte come only from a skin with a negative step count.
    return std::clamp(FullWeight - step * FullWeight / steps, 0, FullWeight);
}

void BlendFrame(TBitmap& frame, const TBitmap& first, const TBitmap& second, int weight) {
    frame.Assign(first);
    const auto w = static_cast<TColor>(weight);
    BlendRect(&frame, &second, w | (w << 8) | (w << 16), Rect(0, 0, frame.Width(), frame.Height()),
              {0, 0});
}

void ShowFrame(TWinControl& control, const TBitmap& frame, bool whole) {
    HDC dc = whole ? GetWindowDC(control.Handle()) : GetDC(control.Handle());
    if (!dc) return;
    const int level = dc->SaveDC();
    dc->BitBlt(0, 0, frame.Width(), frame.Height(), frame, 0, 0);
    dc->RestoreDC(level);
    ReleaseDC(control.Handle(), dc);
}
