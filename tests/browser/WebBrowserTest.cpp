// The pane on a real form: pages and pictures arrive through the loop while
// the window goes on, and failures show in the launcher's language.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "browser/TWebBrowser.h"
#include "tests/HeadlessApp.h"
#include "tests/browser/TestHttpServer.h"
#include "tests/browser/TestPictures.h"

namespace {

// Generous: a loaded machine must not fail the test; a hang still does.
constexpr unsigned kLoadWaitMs = 20'000;

class WebBrowserTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Pane = Make<TWebBrowser>(8, 8, 240, 160);
        TFetchLimits limits;
        limits.TotalTimeoutMs = 500;
        Pane->SetFetchLimits(limits);
        Show();
    }
    TWebBrowser* Pane = nullptr;
    TTestHttpServer Server;
    TTempFolder Scratch;
};

TEST_F(WebBrowserTest, PageThenPicturesArriveAndRelayout) {
    Server.Route("/", {200, "", "<p>Hello</p><img src=\"pic.gif\"><img src=\"broken.png\">"});
    Server.Route("/pic.gif", {200, "", GifBytes(BandPicture(30, 200, 0xFF0000, 0x00FF00))});
    Server.Route("/broken.png", {200, "", "junk"});
    Pane->Navigate(Server.Url("/"));
    EXPECT_TRUE(Pane->Busy());
    ASSERT_TRUE(Pane->WaitUntilLoaded(kLoadWaitMs));
    EXPECT_TRUE(Pane->FailureText().empty());
    EXPECT_TRUE(Pane->View().Container().HasPicture(Server.Url("/pic.gif")));
    EXPECT_GT(Pane->View().ContentHeight(), 200); // the picture's height is laid out
}

// A page goes to the fetcher at the loop's next turn, so that one asked for
// while the windows are made is not fetched beside the display's start; of
// two asked for meanwhile, only the last is fetched at all.
TEST_F(WebBrowserTest, APageIsFetchedFromTheLoopsNextTurnAndOnlyTheLastOneAskedFor) {
    Server.Route("/first", {200, "", "<p>first</p>"});
    Server.Route("/second", {200, "", "<p>second</p>"});
    Pane->Navigate(Server.Url("/first"));
    Pane->Navigate(Server.Url("/second"));
    EXPECT_TRUE(Pane->Busy());
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(Server.Requests(), 0);
    ASSERT_TRUE(Pane->WaitUntilLoaded(kLoadWaitMs));
    EXPECT_EQ(Server.Requests(), 1);
    EXPECT_EQ(Pane->LocationURL(), Server.Url("/second"));
    EXPECT_TRUE(Pane->FailureText().empty());
}

TEST_F(WebBrowserTest, FailuresNameTheAddressAndTheReasonInTheLanguage) {
    Pane->Navigate(Server.Url("/missing"));
    ASSERT_TRUE(Pane->WaitUntilLoaded(kLoadWaitMs));
    EXPECT_EQ(Pane->FailureText(), "O servidor respondeu com o erro 404.");
    Pane->SetLanguage(TBrowserLanguage::blEnglish);
    Pane->Navigate("gopher://old.example/");
    EXPECT_FALSE(Pane->Busy()); // refused without a transfer
    EXPECT_EQ(Pane->FailureText(), "Addresses of this kind are not opened here.");
    Pane->Navigate(Scratch / "none.html");
    ASSERT_TRUE(Pane->WaitUntilLoaded(kLoadWaitMs));
    EXPECT_EQ(Pane->FailureText(), "The file was not found.");
}

TEST_F(WebBrowserTest, TheWindowGoesOnWhileAServerIsSilent) {
    Server.Route("/silent", {200, "", "", true});
    Pane->Navigate(Server.Url("/silent"));
    int turns = 0;
    while (Pane->Busy() && turns < 100000) {
        Form->Invalidate();
        App->ProcessMessages(); // paints and returns without waiting for the server
        ++turns;
        TMessageLoop::Instance().WaitForThreadPost(10);
    }
    EXPECT_GT(turns, 1);
    EXPECT_FALSE(Pane->Busy());
    EXPECT_EQ(Pane->FailureText(), "O servidor não respondeu a tempo.");
}

TEST_F(WebBrowserTest, ANewAddressDropsWhatTheOldOneStillWaitedFor) {
    Server.Route("/silent", {200, "", "", true});
    Server.Route("/page", {200, "", "<p>second</p>"});
    Pane->Navigate(Server.Url("/silent"));
    Pane->Navigate(Server.Url("/page"));
    ASSERT_TRUE(Pane->WaitUntilLoaded(kLoadWaitMs));
    EXPECT_TRUE(Pane->FailureText().empty());
    EXPECT_EQ(Pane->LocationURL(), Server.Url("/page"));
}

} // namespace
