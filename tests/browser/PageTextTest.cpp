// Addresses the pane accepts and the encodings of the pages' text.
#include <gtest/gtest.h>

#include "browser/PageAddress.h"
#include "browser/PageCharset.h"

namespace {

TEST(PageTextTest, AddressesByKind) {
    const TPageAddress web = ResolvePageAddress("  https://news.example/a b ", "/game");
    EXPECT_EQ(web.Kind, TAddressKind::akWeb);
    EXPECT_EQ(web.Url, "https://news.example/a b");
    const TPageAddress relative = ResolvePageAddress("news\\index.html", "/game folder");
    EXPECT_EQ(relative.Kind, TAddressKind::akFile);
    EXPECT_EQ(relative.Url, "file:///game%20folder/news/index.html");
    EXPECT_EQ(FilePathOf(relative.Url), "/game folder/news/index.html");
    EXPECT_EQ(ResolvePageAddress("/srv/../news.html", "/game").Url, "file:///news.html");
    EXPECT_EQ(ResolvePageAddress("C:news.html", "/game").Kind, TAddressKind::akFile);
    EXPECT_EQ(ResolvePageAddress("javascript:alert(1)", "/game").Kind, TAddressKind::akRefused);
    EXPECT_EQ(ResolvePageAddress("", "/game").Kind, TAddressKind::akEmpty);
    EXPECT_EQ(FilePathOf("file://elsewhere/etc/passwd"), "");
    EXPECT_EQ(JoinAddress("http://a.example/news/index.html", "../img/x.png"),
              "http://a.example/img/x.png");
    EXPECT_EQ(JoinAddress("file:///game/news/index.html", "eventos.html"),
              "file:///game/news/eventos.html");
}

TEST(PageTextTest, EncodingsByHeaderMetaAndCustom) {
    EXPECT_EQ(CharsetFromContentType("text/html; Charset=\"UTF-8\""), "utf-8");
    EXPECT_EQ(CharsetFromMeta("<META http-equiv=Content-Type content='text/html; charset=utf-8'>"),
              "utf-8");
    EXPECT_EQ(PageToUtf8("\xE9", ""), "\xC3\xA9");
    EXPECT_EQ(PageToUtf8("\xC3\xA9", "text/html; charset=utf-8"), "\xC3\xA9");
    // Said to be UTF-8 but is not: the stray byte is read as the code page.
    EXPECT_EQ(PageToUtf8("\xE9t\xC3\xA9", "text/html; charset=utf-8"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(PageToUtf8("\xEF\xBB\xBFok", "text/html; charset=iso-8859-1"), "ok");
}

} // namespace
