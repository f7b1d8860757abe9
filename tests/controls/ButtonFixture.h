#pragma once
// Skinned buttons on a form with the launcher's skin, and the mouse and
// clock that drive them on the headless host.

#include "SkinnedFixture.h"
#include "controls/FadeFrame.h"
#include "controls/TsButton.h"
#include "controls/TsFadeTimer.h"
#include "platform/TRegion.h"
#include "platform/headless/THeadlessHost.h"

inline bool SameBitmap(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

class ButtonTest : public SkinnedTest {
protected:
    void SetUp() override {
        SkinnedTest::SetUp();
        ApplySkin();
        Host = dynamic_cast<THeadlessHost*>(&::Host());
    }
    TsButton* AddButton(TBox box, const std::string& caption = "Play") {
        auto* b = new TsButton(Form);
        b->SetParent(Form);
        b->SetBounds(box.X, box.Y, box.W, box.H);
        b->SetCaption(caption);
        b->OnClick = [this](TObject* sender) { Clicks.push_back(static_cast<TControl*>(sender)); };
        return b;
    }
    // Mouse input at a point of the control, in its client coordinates.
    TPoint InWindow(const TControl* c, int x, int y) {
        const TPoint p = c->ClientToScreen({x, y});
        const TRect w = Form->BoundsRect();
        return {p.X - w.Left, p.Y - w.Top};
    }
    void MoveTo(const TControl* c, int x, int y) {
        const TPoint p = InWindow(c, x, y);
        Host->InjectMouseMove(Form->HostWindow(), p.X, p.Y);
        Pump();
    }
    void Press(const TControl* c, int x, int y) {
        const TPoint p = InWindow(c, x, y);
        Host->InjectMouseDown(Form->HostWindow(), p.X, p.Y);
        Pump();
    }
    void Release(const TControl* c, int x, int y) {
        const TPoint p = InWindow(c, x, y);
        Host->InjectMouseUp(Form->HostWindow(), p.X, p.Y);
        Pump();
    }
    void Key(int vk, unsigned modifiers = 0) {
        Host->InjectKey(Form->HostWindow(), vk, modifiers);
        Pump();
    }
    void Wait(uint64_t ms) {
        Host->AdvanceClock(ms);
        Pump();
    }
    std::unique_ptr<TBitmap> CacheCopy(const TsButton* b) {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(*b->SkinData()->CacheBmp());
        return copy;
    }
    // Whether the button's pixels on the form (those of its shape) are
    // Expected's.
    ::testing::AssertionResult ScreenShows(const TWinControl* b, const TBitmap& expected) {
        const TRegion* shape = b->WindowRgn();
        for (int y = 0; y < b->Height(); ++y)
            for (int x = 0; x < b->Width(); ++x) {
                if (shape && !shape->Contains({x, y})) continue;
                if (OnScreen(b, x, y) != expected.Pixel(x, y))
                    return ::testing::AssertionFailure()
                           << "pixel " << x << "," << y << " is " << std::hex << OnScreen(b, x, y)
                           << ", expected " << expected.Pixel(x, y);
            }
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult ScreenShowsFrame(const TWinControl* b, const TBitmap& first,
                                                const TBitmap& second, int weight) {
        TBitmap frame;
        BlendFrame(frame, first, second, weight);
        return ScreenShows(b, frame);
    }

    THeadlessHost* Host = nullptr;
    std::vector<TControl*> Clicks;
};
