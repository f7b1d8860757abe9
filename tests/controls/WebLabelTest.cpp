#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "controls/TsWebLabel.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/forms/TMessageLoop.h"
#include "platform/headless/THeadlessHost.h"

namespace fs = std::filesystem;

namespace {

// A stand-in link opener on PATH that writes its argument to a file.
class WebLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() / ("weblabel-" + std::to_string(::getpid()));
        fs::create_directories(Dir);
        Out = Dir / "opened.txt";
        std::ofstream script(Dir / "xdg-open");
        script << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << Out.string() << "'\n";
        script.close();
        fs::permissions(Dir / "xdg-open", fs::perms::owner_all);
        const char* path = std::getenv("PATH");
        OldPath = path ? path : "";
        setenv("PATH", (Dir.string() + ":" + OldPath).c_str(), 1);

        auto host = std::make_unique<THeadlessHost>();
        HostPtr = host.get();
        SetHost(std::move(host));
        App = std::make_unique<TApplication>();
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
        Form->Show();
        App->ProcessMessages();
    }
    void TearDown() override {
        App.reset();
        TMessageLoop::Instance().Reset();
        SetHost(nullptr);
        setenv("PATH", OldPath.c_str(), 1);
        fs::remove_all(Dir);
    }
    TPoint At(int x, int y) const {
        return {Label->OriginInForm().X + x, Label->OriginInForm().Y + y};
    }
    std::string Opened(bool wait) const {
        for (int i = 0; i < 200; ++i) {
            std::ifstream in(Out);
            std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (!s.empty() || !wait) return s;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return {};
    }

    fs::path Dir, Out;
    std::string OldPath;
    THeadlessHost* HostPtr = nullptr;
    std::unique_ptr<TApplication> App;
    TForm* Form = nullptr;
    TsWebLabel* Label = nullptr;
};

TEST_F(WebLabelTest, HoverSwapsTheFont) {
    EXPECT_EQ(Label->Cursor(), crHandPoint);
    TPoint p = At(5, 5);
    HostPtr->InjectMouseMove(Form->HostWindow(), p.X, p.Y);
    App->ProcessMessages();
    EXPECT_TRUE(Label->Hovered());
    HostPtr->InjectMouseMove(Form->HostWindow(), 280, 120);
    App->ProcessMessages();
    EXPECT_FALSE(Label->Hovered());
}

TEST_F(WebLabelTest, LeftPressOpensTheAddressOthersDoNot) {
    TPoint p = At(5, 5);
    HostPtr->InjectMouseDown(Form->HostWindow(), p.X, p.Y, mbRight);
    HostPtr->InjectMouseUp(Form->HostWindow(), p.X, p.Y, mbRight);
    App->ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(Opened(false), "");
    HostPtr->InjectMouseDown(Form->HostWindow(), p.X, p.Y, mbLeft);
    App->ProcessMessages();
    EXPECT_EQ(Opened(true), "http://www.quelm.example/\n");
}

} // namespace
