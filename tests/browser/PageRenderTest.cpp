// Pages laid out and painted into a bitmap, compared with a golden image:
// old and new HTML as server pages use it, with a picture of each kind.
#include <gtest/gtest.h>

#include "browser/PictureDecode.h"
#include "browser/TPageView.h"
#include "tests/GoldenImage.h"
#include "tests/browser/TestPictures.h"

namespace {

const char* const kPage = R"(<html><head><title>News</title>
<style>body { font-family: Tahoma; font-size: 11px; margin: 6px }</style></head>
<body bgcolor="#f0f0f8">
<h1>Server news</h1>
<h3>Events of the week</h3>
<p>A paragraph with <b>bold</b>, <i>italic</i>, <u>underlined</u> words and
<a href="rules.html">a link to the rules</a> that wraps at the pane's width.</p>
<ul><li>First item</li><li>Second item</li></ul>
<ol><li>One</li><li>Two</li></ol>
<table border="1" cellpadding="2"><tr><th>Day</th><th>Event</th></tr>
<tr><td>Fri</td><td bgcolor="#ffe0a0">Dragon hunt</td></tr></table>
<p><img src="a.png"> <img src="b.jpg"> <img src="c.gif"></p>
<center><font face="Courier New" size="2" color="red">old font</font></center>
<pre>pre  formatted</pre>
<script>document.write('never shown')</script>
</body></html>)";

TEST(PageRenderTest, PageWithEveryKindOfContent) {
    TTempFolder scratch;
    TPageView view;
    view.Load(kPage, "http://news.example/");
    const struct {
        const char* Url;
        std::string Bytes;
    } pictures[] = {
        {"http://news.example/a.png",
         PngBytes(BandPicture(24, 16, 0xC04000, 0xFFFFFF), scratch.Path())},
        {"http://news.example/b.jpg", JpegBytes(BandPicture(24, 16, 0x208020, 0xE0E0E0))},
        {"http://news.example/c.gif", GifBytes(BandPicture(24, 16, 0x0000FF, 0xFF00FF), 0xFF00FF)},
    };
    for (const auto& p : pictures) {
        std::string error;
        view.Container().SetPicture(p.Url, DecodePicture(p.Bytes, error));
        ASSERT_TRUE(view.Container().HasPicture(p.Url)) << error;
    }
    view.Layout(260, 400);
    TBitmap page(260, std::max(view.ContentHeight(), 1));
    view.Paint(page, TRect{0, 0, page.Width(), page.Height()}, 0);
    ExpectMatchesGolden(page.Pixels(), "browser-page");
}

} // namespace
