// The fetcher against a real HTTP server and real files: what arrives, in
// what encoding, and how each kind of failure is told.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/stat.h>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "browser/BrowserTexts.h"
#include "browser/PageAddress.h"
#include "browser/TPageFetcher.h"
#include "tests/TempFolder.h"
#include "tests/browser/TestHttpServer.h"
#include "tests/browser/TestPictures.h"

namespace {

class PageFetchTest : public ::testing::Test {
protected:
    // Short timeouts: the silent server must not cost the test run 30 s.
    TFetchLimits Limits() const {
        TFetchLimits l;
        l.ConnectTimeoutMs = 2000;
        l.TotalTimeoutMs = 500;
        return l;
    }
    TFetchResult Fetch(const std::string& url, TFetchKind kind = TFetchKind::fkPage,
                       TFetchLimits limits = {}) {
        if (limits.TotalTimeoutMs == TFetchLimits{}.TotalTimeoutMs) limits = Limits();
        std::mutex lock;
        std::condition_variable arrived;
        bool done = false;
        TPageFetcher fetcher(
            limits,
            [&] {
                std::lock_guard<std::mutex> l(lock);
                done = true;
                arrived.notify_all();
            },
            CurlFile);
        fetcher.Fetch(url, kind);
        std::unique_lock<std::mutex> l(lock);
        arrived.wait(l, [&] { return done; });
        l.unlock();
        auto results = fetcher.TakeResults();
        EXPECT_EQ(results.size(), 1u);
        EXPECT_EQ(fetcher.Pending(), 0u);
        return results.empty() ? TFetchResult{} : results[0];
    }
    std::string FileUrl(const std::string& name) const { return "file://" + (Scratch / name); }
    TTestHttpServer Server;
    TTempFolder Scratch;
    std::string CurlFile = TCurlLibrary::DefaultFile;
};

TEST_F(PageFetchTest, PagesArriveAsUtf8InTheirDeclaredOrCustomaryEncoding) {
    Server.Route("/utf8", {200, "Content-Type: text/html; charset=UTF-8\r\n",
                           "Not\xC3\xAD"
                           "cias"});
    Server.Route("/ansi", {200, "Content-Type: text/html\r\n",
                           "Op\xE7\xF5"
                           "es"});
    Server.Route("/meta", {200, "",
                           "<meta charset=\"utf-8\">Op\xC3\xA7\xC3\xB5"
                           "es"});
    Server.Route("/header-wins", {200, "Content-Type: text/html; charset=windows-1252\r\n",
                                  "<meta charset=\"utf-8\">\xE9"});
    const TFetchResult utf8 = Fetch(Server.Url("/utf8"));
    EXPECT_EQ(utf8.Failure, TFetchFailure::ffNone);
    EXPECT_EQ(utf8.Status, 200);
    EXPECT_EQ(utf8.Text, "Not\xC3\xAD"
                         "cias");
    EXPECT_EQ(Fetch(Server.Url("/ansi")).Text, "Op\xC3\xA7\xC3\xB5"
                                               "es");
    EXPECT_EQ(Fetch(Server.Url("/meta")).Text, "<meta charset=\"utf-8\">Op\xC3\xA7\xC3\xB5"
                                               "es");
    EXPECT_EQ(Fetch(Server.Url("/header-wins")).Text, "<meta charset=\"utf-8\">\xC3\xA9");
}

TEST_F(PageFetchTest, RedirectsAreFollowedTenTimesAndNoMore) {
    Server.Route("/page", {200, "", "end"});
    Server.Route("/r1", {302, "Location: /r2\r\n", ""});
    Server.Route("/r2", {301, "Location: " + Server.Url("/page") + "\r\n", ""});
    Server.Route("/loop", {302, "Location: /loop\r\n", ""});
    const TFetchResult chain = Fetch(Server.Url("/r1"));
    EXPECT_EQ(chain.Text, "end");
    EXPECT_EQ(chain.FinalUrl, Server.Url("/page"));
    const int before = Server.Requests();
    EXPECT_EQ(Fetch(Server.Url("/loop")).Failure, TFetchFailure::ffRedirects);
    EXPECT_EQ(Server.Requests() - before, 11); // the first request and ten redirects
}

TEST_F(PageFetchTest, AServerCannotRedirectThePaneToLocalFiles) {
    Scratch.Write("secret.html", "secret");
    Server.Route("/tofile", {302, "Location: file://" + Scratch.Path() + "/secret.html\r\n", ""});
    const TFetchResult r = Fetch(Server.Url("/tofile"));
    EXPECT_NE(r.Failure, TFetchFailure::ffNone);
    EXPECT_TRUE(r.Text.empty());
}

TEST_F(PageFetchTest, FailuresAreToldApart) {
    Server.Route("/silent", {200, "", "", true});
    Server.Route("/big", {200, "", std::string(5000, 'x')});
    EXPECT_EQ(Fetch(Server.Url("/none")).Failure, TFetchFailure::ffHttpStatus);
    EXPECT_EQ(Fetch(Server.Url("/none")).Status, 404);
    EXPECT_EQ(Fetch(Server.Url("/silent")).Failure, TFetchFailure::ffTimeout);
    TFetchLimits small = Limits();
    small.MaxPageBytes = 1000;
    EXPECT_EQ(Fetch(Server.Url("/big"), TFetchKind::fkPage, small).Failure,
              TFetchFailure::ffTooLarge);
    EXPECT_EQ(Fetch("ftp://127.0.0.1/x").Failure, TFetchFailure::ffRefused);
    EXPECT_EQ(Fetch("file://" + Scratch.Path() + "/missing.html").Failure,
              TFetchFailure::ffMissingFile);
}

TEST_F(PageFetchTest, PicturesAreDecodedOrReportedBroken) {
    Server.Route("/p.png",
                 {200, "", PngBytes(BandPicture(5, 3, 0x0000FF, 0x00FF00), Scratch.Path())});
    Server.Route("/broken.png", {200, "", "\x89PNG\r\n\x1A\nnot really"});
    const TFetchResult good = Fetch(Server.Url("/p.png"), TFetchKind::fkPicture);
    ASSERT_TRUE(good.Picture);
    EXPECT_EQ(good.Picture->Width(), 5);
    const TFetchResult broken = Fetch(Server.Url("/broken.png"), TFetchKind::fkPicture);
    EXPECT_EQ(broken.Failure, TFetchFailure::ffBrokenPicture);
    EXPECT_FALSE(broken.Picture);
}

TEST_F(PageFetchTest, LocalPagesByRelativePath) {
    std::filesystem::create_directories(Scratch / "news");
    Scratch.Write("news/index.html", "local \xE9");
    const TPageAddress a = ResolvePageAddress("news/index.html", Scratch.Path());
    ASSERT_EQ(a.Kind, TAddressKind::akFile);
    EXPECT_EQ(Fetch(a.Url).Text, "local \xC3\xA9");
}

TEST_F(PageFetchTest, LocalFilesAreReadWithinTheLimitsAndOnlyWhenRegular) {
    Scratch.Write("big.html", std::string(5000, 'x'));
    Scratch.Write("band.png", PngBytes(BandPicture(5, 3, 0x0000FF, 0x00FF00), Scratch.Path()));
    ASSERT_EQ(mkfifo((Scratch / "pipe.html").c_str(), 0600), 0);
    TFetchLimits small = Limits();
    small.MaxPageBytes = 1000;
    EXPECT_EQ(Fetch(FileUrl("big.html"), TFetchKind::fkPage, small).Failure,
              TFetchFailure::ffTooLarge);
    EXPECT_EQ(Fetch(FileUrl("big.html")).Text.size(), 5000u);
    const TFetchResult picture = Fetch(FileUrl("band.png"), TFetchKind::fkPicture);
    ASSERT_TRUE(picture.Picture);
    EXPECT_EQ(picture.Picture->Width(), 5);
    // A folder, or a pipe that no one writes to, is no page (and does not hold the worker).
    EXPECT_EQ(Fetch("file://" + Scratch.Path()).Failure, TFetchFailure::ffMissingFile);
    EXPECT_EQ(Fetch(FileUrl("pipe.html")).Failure, TFetchFailure::ffMissingFile);
    EXPECT_EQ(Fetch("file://elsewhere/etc/hostname").Failure, TFetchFailure::ffMissingFile);
}

TEST_F(PageFetchTest, WithoutTheTransferLibraryOnlyPagesFromTheNetFail) {
    CurlFile = "libcurl-missing.so.4";
    Server.Route("/page", {200, "", "net"});
    Scratch.Write("local.html", "local");
    const TFetchResult web = Fetch(Server.Url("/page"));
    EXPECT_EQ(web.Failure, TFetchFailure::ffNoLibrary);
    for (const TBrowserLanguage language :
         {TBrowserLanguage::blEnglish, TBrowserLanguage::blPortuguese})
        EXPECT_NE(FailureReason(web, language, Limits()).find("libcurl"), std::string::npos);
    EXPECT_EQ(Fetch(FileUrl("local.html")).Text, "local");
}

// The library is loaded at the first page from the net, never for a local
// one: a start with a local news page does not pay for it.
TEST_F(PageFetchTest, ALocalPageLeavesTheTransferLibraryUnloaded) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Scratch.Write("local.html", "local");
    EXPECT_EXIT(
        {
            const bool arrived = Fetch(FileUrl("local.html")).Text == "local";
            const bool loaded = dlopen(TCurlLibrary::DefaultFile, RTLD_NOW | RTLD_NOLOAD);
            std::exit(arrived && !loaded ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(PageFetchTest, StoppingEndsASilentTransferAtOnce) {
    Server.Route("/silent", {200, "", "", true});
    TFetchLimits patient;
    patient.TotalTimeoutMs = 600'000;
    TPageFetcher fetcher(patient, [] {});
    fetcher.Fetch(Server.Url("/silent"), TFetchKind::fkPage);
    while (Server.Requests() == 0)
        std::this_thread::yield();
    fetcher.Stop(); // returns although the server would hold on for ten minutes
    EXPECT_EQ(fetcher.Pending(), 1u);
}

} // namespace
