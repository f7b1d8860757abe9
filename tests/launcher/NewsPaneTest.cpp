// The main window's news pane in the real program: the page named in
// launch.ini, and a player who leaves while a server keeps it waiting.
#include "LauncherFixture.h"

#include <chrono>

#include "tests/browser/TestHttpServer.h"

using NewsPane = HeadlessLauncher;

namespace {
constexpr unsigned kLoadWaitMs = 20'000;
} // namespace

TEST_F(NewsPane, ShowsThePageOfTheGameFolder) {
    fs::create_directory(Folder / "news");
    std::ofstream(Folder / "news" / "index.html") << "<p>Not\xC3\xAD"
                                                     "cias</p>";
    WriteIni("Pagina do launcher=news/index.html\r\nlang=1\r\n");
    CreateLauncher();
    Form1->Show();
    EXPECT_TRUE(Form1->WebBrowser1->Busy()); // the window came up before the page
    ASSERT_TRUE(Form1->WebBrowser1->WaitUntilLoaded(kLoadWaitMs));
    EXPECT_TRUE(Form1->WebBrowser1->FailureText().empty());
    EXPECT_GT(Form1->WebBrowser1->View().ContentHeight(), 0);
}

TEST_F(NewsPane, FailuresSpeakTheLaunchersLanguage) {
    WriteIni("Pagina do launcher=news/missing.html\r\nlang=1\r\n");
    CreateLauncher();
    ASSERT_TRUE(Form1->WebBrowser1->WaitUntilLoaded(kLoadWaitMs));
    EXPECT_EQ(Form1->WebBrowser1->FailureText(), "The file was not found.");
}

TEST_F(NewsPane, ExitDuringASilentFetchEndsAtOnce) {
    TTestHttpServer server;
    server.Route("/", {200, "", "", true});
    WriteIni("Pagina do launcher=" + server.Url("/") + "\r\nlang=0\r\n");
    CreateLauncher();
    Form1->Show();
    while (server.Requests() == 0)
        Application->ProcessMessages();
    Click("sButton4");
    EXPECT_TRUE(Application->Terminated());
    const auto start = std::chrono::steady_clock::now();
    DestroyLauncher(); // stops and joins the worker
    // Far below the transfer's own 30 s limit: nothing waited for the server.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}
