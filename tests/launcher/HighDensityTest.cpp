// The launcher on a high-density screen: the mouse, at device pixels, mapped
// back onto the control drawn under it. (The pictures at twice the size are
// compared in ScaledWindowsTest.cpp.)

#include "LauncherFixture.h"

#include "platform/scaled/PixelScale.h"

namespace {

constexpr int Double = 2;

class HighDensity : public HeadlessLauncher {
protected:
    // Presses and releases the left button at a device pixel of the form.
    void ClickAt(TCustomForm* form, TPoint device) {
        Host->InjectClick(RealWindow(form), device.X, device.Y);
        Application->ProcessMessages();
    }
};

} // namespace

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
