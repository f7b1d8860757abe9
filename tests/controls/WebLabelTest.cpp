#include <chrono>
#include <cstdlib>
#include <thread>

#include "controls/TsWebLabel.h"
#include "tests/HeadlessApp.h"

namespace {

// A stand-in link opener on PATH that writes its argument to a file.
class WebLabelTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        const std::string opener = Scratch().Write(
            "xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + Scratch() / "opened.txt" + "'\n");
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        const char* path = std::getenv("PATH");
        OldPath = path ? path : "";
        setenv("PATH", (Scratch().Path() + ":" + OldPath).c_str(), 1);

        Form = new TForm(App.get());
        Form->SetBounds(50, 50, 300, 150);
        Label = new TsWebLabel(Form);
        Label->SetParent(Form);
        Label->SetBounds(20, 20, 100, 13);
        Label->SetCaption("http://www.quelm.example/");
        Label->SetURL("http://www.quelm.example/");
        Label->Font()->SetColor(clHighlight);
        Label->HoverFont()->SetColor(clWindowText);
        Label->HoverFont()->SetStyle(fsUnderline);
        Show();
    }
    void TearDown() override {
        HeadlessApp::TearDown();
        setenv("PATH", OldPath.c_str(), 1);
    }
    TPoint At(int x, int y) const {
        return {Label->OriginInForm().X + x, Label->OriginInForm().Y + y};
    }
    // What the opener wrote; the opener runs detached, so wait for it.
    std::string Opened(bool wait) {
        for (int i = 0; i < 200; ++i) {
            std::string s = Scratch().Read("opened.txt");
            if (!s.empty() || !wait) return s;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return {};
    }

    std::string OldPath;
    TsWebLabel* Label = nullptr;
};

TEST_F(WebLabelTest, HoverSwapsTheFont) {
    EXPECT_EQ(Label->Cursor(), crHandPoint);
    TPoint p = At(5, 5);
    Host->InjectMouseMove(Form->HostWindow(), p.X, p.Y);
    App->ProcessMessages();
    EXPECT_TRUE(Label->Hovered());
    Host->InjectMouseMove(Form->HostWindow(), 280, 120);
    App->ProcessMessages();
    EXPECT_FALSE(Label->Hovered());
}

TEST_F(WebLabelTest, LeftPressOpensTheAddressOthersDoNot) {
    TPoint p = At(5, 5);
    Host->InjectMouseDown(Form->HostWindow(), p.X, p.Y, mbRight);
    Host->InjectMouseUp(Form->HostWindow(), p.X, p.Y, mbRight);
    App->ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(Opened(false), "");
    Host->InjectMouseDown(Form->HostWindow(), p.X, p.Y, mbLeft);
    App->ProcessMessages();
    EXPECT_EQ(Opened(true), "http://www.quelm.example/\n");
}

} // namespace
