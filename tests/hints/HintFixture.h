#pragma once
// A world for the skinned hints: a short borderless form with one hinted
// panel near its bottom, so that a hint opens over the desktop, a hint
// manager made in code, and a desktop picture whose every pixel is known.

#include "tests/HeadlessApp.h"

#include "framework/stdctrls/TPanel.h"
#include "hints/TsCustomHintWindow.h"
#include "hints/TsHintManager.h"

class HintFixture : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(100, 100, 320, 60);
        Manager = new TsHintManager(Form);
        Target = Make<TPanel>(10, 30, 200, 25);
        Target->SetHint("OK");
        Target->SetShowHint(true);
        Show();
        TPixels desktop(256, 256);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                desktop.SetPixel(x, y, Desktop(x, y));
        Host->SetDesktopPicture(desktop);
    }

    // The desktop's pixel at a screen point.
    static uint32_t Desktop(int x, int y) {
        return static_cast<uint32_t>((x * 3) & 0xFF) |
               (static_cast<uint32_t>((y * 5) & 0xFF) << 8) | 0x400000;
    }

    // A look with nothing but a plain body: no blur, bevel, shadow or gradient.
    void PlainLook(TsHintStyle style, TColor color = 0x2060C0) {
        TsHintKind* k = Manager->HintKind();
        k->SetBlur(0);
        k->SetBevelWidth(0);
        k->SetShadowEnabled(false);
        k->SetGradientPercent(0);
        k->SetTransparency(0);
        k->SetColor(color);
        k->SetStyle(style);
    }

    // Rests the mouse on the panel and waits the hint pause out.
    TsCustomHintWindow* ShowHint(const std::string& text = "OK") {
        Target->SetHint(text);
        Move(Target, 5, 20);
        Advance(static_cast<uint64_t>(App->HintPause()));
        return dynamic_cast<TsCustomHintWindow*>(App->HintWindow());
    }
    // The hint's pixels as they are on the screen.
    TPixels OnScreen(const THintWindow* w) const {
        const TPixels all = Host->Screenshot();
        const TRect b = w->BoundsRect();
        TPixels part(b.Width(), b.Height());
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                part.SetPixel(x, y, all.Pixel(b.Left + x, b.Top + y));
        return part;
    }

    TsHintManager* Manager = nullptr;
    TPanel* Target = nullptr;
};
