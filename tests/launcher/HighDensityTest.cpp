// The launcher on a high-density screen: every window drawn at twice the
// size, its pixels the normal ones doubled, and the mouse mapped back onto
// the control it points at.

#include "LauncherFixture.h"

#include "WindowGoldens.h"
#include "platform/scaled/PixelScale.h"

namespace {

constexpr int Double = 2;

class HighDensity : public HeadlessLauncher {
protected:
    // The three windows as a player first sees them, as the screen shows them.
    std::vector<TPixels> ShowWindows() {
        CreateLauncher();
        Form1->Show();
        EXPECT_TRUE(Form1->WebBrowser1->WaitUntilLoaded(20'000));
        Application->ProcessMessages();
        Click("sButton3");
        Click("Form1.sButton2");
        std::vector<TPixels> shown;
        for (TCustomForm* f : LauncherWindows())
            shown.push_back(ShownPixels(*Host, f));
        return shown;
    }
    // Presses and releases the left button at a device pixel of the form.
    void ClickAt(TCustomForm* form, TPoint device) {
        Host->InjectClick(RealWindow(form), device.X, device.Y);
        Application->ProcessMessages();
    }
};

int DifferentPixels(const TPixels& a, const TPixels& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
    int count = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            count += a.Pixel(x, y) != b.Pixel(x, y);
    return count;
}

} // namespace

TEST_F(HighDensity, WindowsAtScaleTwoAreTheNormalOnesDoubled) {
    WriteFullIni("0", WriteNewsPage());
    WriteAllSettings();
    const std::vector<TPixels> normal = ShowWindows();
    DestroyLauncher();
    UseScale(Double);
    const std::vector<TPixels> doubled = ShowWindows();
    for (size_t i = 0; i < normal.size(); ++i) {
        SCOPED_TRACE(LauncherWindows()[i]->Name());
        EXPECT_EQ(DifferentPixels(ScaleUpPixels(normal[i], Double), doubled[i]), 0);
    }
    ExpectMatchesGolden(doubled[0], "launcher-scale2-Form1");
}

TEST_F(HighDensity, ThePointerActsOnTheControlUnderItsDevicePixel) {
    WriteFullIni("0", "");
    UseScale(Double);
    CreateLauncher();
    Form1->Show();
    Application->ProcessMessages();
    EXPECT_EQ(Host->Find(RealWindow(Form1))->Bounds(), ScaleUp(Form1->BoundsRect(), Double));

    // The first device pixel right of the about button, then its last one.
    TControl* about = Find("Form1.sButton2");
    const TPoint edge = about->ClientToScreen({about->Width(), about->Height() / 2});
    const TRect w = Form1->BoundsRect();
    const TPoint past = ScaleUp(TPoint{edge.X - w.Left, edge.Y - w.Top}, Double);
    ClickAt(Form1, past);
    EXPECT_FALSE(Form3->Visible());
    ClickAt(Form1, {past.X - 1, past.Y + 1});
    EXPECT_TRUE(Form3->Visible());

    // Typing in a field reached at device pixels lands in that field.
    Click("Form1.sButton3");
    Type("sEdit1", "jogador");
    EXPECT_EQ(Text("sEdit1"), "jogador");
}
