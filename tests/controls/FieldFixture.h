#pragma once
// Skinned fields (edits, combo boxes, check boxes, track bars) on a form
// with the launcher's skin, driven by the headless host's mouse, keys and
// clock, and their pictures as golden images.

#include <string>

#include "ButtonFixture.h"
#include "framework/stdctrls/TEdit.h"
#include "platform/headless/THeadlessWindow.h"
#include "tests/GoldenImage.h"

class FieldTest : public ButtonTest {
protected:
    void SetUp() override {
        ButtonTest::SetUp();
        // Holds the focus away from the controls under test.
        Away = new TEdit(Form);
        Away->SetParent(Form);
        Away->SetBounds(0, 0, 4, 4);
    }
    template <class T> T* AddField(TBox box) {
        auto* c = new T(Form);
        c->SetParent(Form);
        c->SetBounds(box.X, box.Y, box.W, box.H);
        return c;
    }
    void Type(const std::string& text) {
        Host->InjectText(Form->HostWindow(), text);
        Pump();
    }
    // The form's picture of the control's box, grown by Margin, as a golden.
    void ExpectGolden(const TControl* c, const std::string& name, int margin = 4) {
        const TBitmap& all = *Form->BackBuffer();
        const TPoint o = c->OriginInForm();
        TPixels part(c->Width() + 2 * margin, c->Height() + 2 * margin);
        for (int y = 0; y < part.Height(); ++y)
            for (int x = 0; x < part.Width(); ++x)
                part.SetPixel(x, y,
                              static_cast<uint32_t>(all.Pixel(o.X - margin + x, o.Y - margin + y)));
        ExpectMatchesGolden(part, name);
    }
    // Whether the control's pixels on the form are those of its cache in Area.
    template <class T> bool ScreenShowsCache(const T* c, TRect area) {
        const TBitmap& cache = *c->SkinData()->CacheBmp();
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                if (OnScreen(c, x, y) != cache.Pixel(x, y)) return false;
        return true;
    }

    TEdit* Away = nullptr;
};
