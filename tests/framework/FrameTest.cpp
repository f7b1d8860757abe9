// The plain frame: metrics per border style, painting, hit codes, moving and
// sizing by drag, and the title buttons.

#include "tests/HeadlessApp.h"

using PlainFrame = HeadlessApp;

#include <algorithm>

#include "framework/forms/TForm.h"
#include "framework/window/WinApi.h"
#include "platform/services/SystemMetrics.h"

namespace {
THeadlessWindow* Win(TCustomForm* f) {
    return static_cast<THeadlessWindow*>(f->HostWindow());
}

int Hit(TCustomForm* f, int x, int y) {
    return static_cast<int>(
        f->Perform(WM_NCHITTEST, 0, PointToLParam({f->Left() + x, f->Top() + y})));
}
} // namespace

TEST_F(PlainFrame, ClientAreaFollowsTheBorderStyle) {
    struct TCase {
        TFormBorderStyle Style;
        TRect Client; // in window coordinates for a 200 x 100 window
    };
    const TCase cases[] = {
        {bsNone, Rect(0, 0, 200, 100)},       {bsSingle, Rect(3, 22, 197, 97)},
        {bsSizeable, Rect(4, 23, 196, 96)},   {bsDialog, Rect(3, 22, 197, 97)},
        {bsToolWindow, Rect(3, 18, 197, 97)}, {bsSizeToolWin, Rect(4, 19, 196, 96)},
    };
    for (const TCase& c : cases) {
        auto* f = new TForm(App.get());
        f->SetBorderStyle(c.Style);
        f->SetBounds(0, 0, 200, 100);
        EXPECT_EQ(f->ClientInWindow(), c.Client) << c.Style;
        f->SetClientSize(354, 336);
        EXPECT_EQ(f->ClientWidth(), 354);
        EXPECT_EQ(f->ClientHeight(), 336);
        f->Free();
    }
}

// The frame, the skinned frame and anyone asking GetSystemMetrics must see the
// same numbers, so the plain frame's sizes are checked against the function.
TEST_F(PlainFrame, FrameMetricsAgreeWithTheSystemMetrics) {
    const TFormBorderStyle styles[] = {bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin};
    for (TFormBorderStyle style : styles) {
        auto* f = new TForm(App.get());
        f->SetBorderStyle(style);
        f->SetBounds(0, 0, 300, 120);
        bool sizeable = style == bsSizeable || style == bsSizeToolWin;
        bool tool = style == bsToolWindow || style == bsSizeToolWin;
        EXPECT_EQ(f->FrameWidth(), GetSystemMetrics(sizeable ? SM_CXFRAME : SM_CXDLGFRAME))
            << style;
        EXPECT_EQ(f->FrameHeight(), GetSystemMetrics(sizeable ? SM_CYFRAME : SM_CYDLGFRAME))
            << style;
        EXPECT_EQ(f->CaptionHeight(), GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION))
            << style;
        // Tool windows shrink their close button to the small caption.
        TRect close = f->CloseButtonRect();
        int h = std::min(GetSystemMetrics(SM_CYSIZE) - 4, f->CaptionHeight() - 5);
        EXPECT_EQ(close.Height(), h) << style;
        EXPECT_EQ(close.Width(), tool ? h + 2 : GetSystemMetrics(SM_CXSIZE) - 2) << style;
        TRect max = f->MaxButtonRect();
        ASSERT_EQ(max.IsEmpty(), style != bsSingle && style != bsSizeable) << style;
        if (!max.IsEmpty()) {
            EXPECT_EQ(max.Width(), GetSystemMetrics(SM_CXSIZE) - 2) << style;
            EXPECT_EQ(max.Height(), GetSystemMetrics(SM_CYSIZE) - 4) << style;
        }
        f->Free();
    }
    auto* none = new TForm(App.get());
    none->SetBorderStyle(bsNone);
    EXPECT_EQ(none->FrameWidth() + none->FrameHeight() + none->CaptionHeight(), 0);
    none->Free();
}

TEST_F(PlainFrame, PlainFramePaintsTitleAndLeavesTheClientAlone) {
    auto* f = new TForm(App.get());
    f->SetBorderStyle(bsSingle);
    f->SetBounds(50, 60, 120, 80);
    f->SetColor(clWhite);
    f->SetCaption("Hello");
    f->Show();
    Pump();
    const TPixels& p = Win(f)->Picture();
    EXPECT_EQ(p.Pixel(3, 22), 0xFFFFFFu);                                    // client corner
    EXPECT_EQ(p.Pixel(116, 76), 0xFFFFFFu);                                  // last client pixel
    EXPECT_EQ(p.Pixel(2, 40), static_cast<uint32_t>(ColorToRGB(clBtnFace))); // frame
    EXPECT_EQ(p.Pixel(60, 4), static_cast<uint32_t>(ColorToRGB(clActiveCaption)));
    EXPECT_EQ(Win(f)->Title(), "Hello");
    // An inactive frame repaints in the inactive colour.
    f->Perform(WM_NCACTIVATE, 0);
    f->Perform(WM_ACTIVATE, WA_INACTIVE);
    Pump();
    f->SetCaption("World");
    Pump();
    EXPECT_EQ(Win(f)->Title(), "World");
}

TEST_F(PlainFrame, HitCodesOfTheFrame) {
    auto* f = new TForm(App.get());
    f->SetBorderStyle(bsSizeable);
    f->SetBounds(100, 100, 200, 120);
    f->Show();
    TRect close = f->CloseButtonRect(), max = f->MaxButtonRect(), min = f->MinButtonRect();
    EXPECT_EQ(close, Rect(178, 6, 194, 20));
    EXPECT_EQ(max, Rect(160, 6, 176, 20));
    EXPECT_EQ(min, Rect(144, 6, 160, 20));
    struct TCase {
        int X, Y, Code;
    };
    const TCase cases[] = {
        {50, 50, HTCLIENT},     {50, 10, HTCAPTION},    {180, 10, HTCLOSE},
        {165, 10, HTMAXBUTTON}, {150, 10, HTMINBUTTON}, {177, 10, HTCAPTION},
        {0, 60, HTLEFT},        {199, 60, HTRIGHT},     {100, 0, HTTOP},
        {100, 119, HTBOTTOM},   {0, 0, HTTOPLEFT},      {199, 119, HTBOTTOMRIGHT},
        {199, 5, HTTOPRIGHT},   {2, 118, HTBOTTOMLEFT}, {200, 60, HTNOWHERE},
        {-1, 60, HTNOWHERE},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Hit(f, c.X, c.Y), c.Code) << c.X << "," << c.Y;
    // A fixed frame has borders but no sizing codes; a dialog has only close.
    f->SetBorderStyle(bsDialog);
    EXPECT_EQ(Hit(f, 0, 60), HTBORDER);
    EXPECT_TRUE(f->MaxButtonRect().IsEmpty());
    EXPECT_EQ(Hit(f, 181, 10), HTCLOSE);
}

TEST_F(PlainFrame, DraggingTheCaptionMovesAndTheEdgeSizes) {
    auto* f = new TForm(App.get());
    f->SetBorderStyle(bsSizeable);
    f->SetBounds(100, 100, 200, 120);
    f->Show();
    Pump();
    THeadlessWindow* w = Win(f);
    Host->InjectMouseDown(w, 50, 10);
    Host->InjectMouseMove(w, 60, 15);
    Pump();
    EXPECT_EQ(f->BoundsRect(), Rect(110, 105, 310, 225));
    EXPECT_EQ(w->Bounds(), Rect(110, 105, 310, 225));
    Host->InjectMouseUp(w, 50, 10); // the pointer, in the moved window
    Pump();
    // Bottom-right corner: the size follows, the top left stays.
    Host->InjectMouseDown(w, 199, 119);
    Host->InjectMouseMove(w, 229, 139);
    Host->InjectMouseUp(w, 229, 139);
    Pump();
    EXPECT_EQ(f->BoundsRect(), Rect(110, 105, 340, 245));
    // The minimum track size from WM_GETMINMAXINFO holds the left edge.
    Host->InjectMouseDown(w, 0, 60);
    Host->InjectMouseMove(w, 300, 60);
    Host->InjectMouseUp(w, 300, 60);
    Pump();
    EXPECT_EQ(f->Width(), 2 * 4 + 3 * 16 + 8);
    EXPECT_EQ(f->BoundsRect().Right, 340);
    // A pointer that jumps reports no motion in between: the release places the window.
    f->SetBounds(100, 100, 200, 120);
    Pump();
    Host->InjectMouseDown(w, 50, 10);
    Host->InjectMouseUp(w, 40, 30);
    Pump();
    EXPECT_EQ(f->BoundsRect(), Rect(90, 120, 290, 240));
}

TEST_F(PlainFrame, CloseButtonClosesOnlyWhenReleasedOverIt) {
    auto* main = new TForm(App.get());
    auto* dialog = new TForm(App.get());
    App->CreateForm<TForm>(); // keeps MainForm from being the dialog
    dialog->SetBorderStyle(bsDialog);
    dialog->SetBounds(10, 10, 150, 90);
    dialog->Show();
    Pump();
    THeadlessWindow* w = Win(dialog);
    TRect close = dialog->CloseButtonRect();
    Host->InjectMouseDown(w, close.Left + 3, close.Top + 3);
    Host->InjectMouseUp(w, close.Left - 20, close.Top + 3); // slid off: nothing
    Pump();
    EXPECT_TRUE(dialog->Visible());
    int closes = 0;
    dialog->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    Host->InjectClick(w, close.Left + 3, close.Top + 3);
    Pump();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(dialog->Visible());
    (void)main;
}

TEST_F(PlainFrame, ClosingTheMainFormEndsTheLoop) {
    TForm* f = App->CreateForm<TForm>();
    EXPECT_EQ(App->MainForm(), f);
    f->SetBorderStyle(bsSingle);
    f->SetBounds(0, 0, 100, 60);
    PostMessage(f->Handle(), WM_SYSCOMMAND, SC_CLOSE);
    App->Run(); // shows the form, handles the posted close, returns
    EXPECT_TRUE(App->Terminated());
}

TEST_F(PlainFrame, MaximizeFillsTheWorkAreaAndRestoreReturns) {
    auto* f = new TForm(App.get());
    f->SetBounds(30, 40, 200, 100);
    f->Show();
    f->Perform(WM_SYSCOMMAND, SC_MAXIMIZE);
    EXPECT_EQ(f->BoundsRect(), Host->WorkArea());
    EXPECT_TRUE(IsZoomed(f->Handle()));
    f->Perform(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_EQ(f->BoundsRect(), Rect(30, 40, 230, 140));
}
