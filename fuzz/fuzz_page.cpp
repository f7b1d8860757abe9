// Arbitrary bytes as a page: decoded as the fetcher decodes a page, parsed,
// laid out at the pane's width and painted. Nothing may crash or hang; the
// pictures the page names are asked for and never arrive.
#include <cstddef>
#include <cstdint>
#include <string>

#include "browser/PageCharset.h"
#include "browser/TPageView.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TPageView view;
    view.Load(PageToUtf8(bytes, ""), "http://news.example/index.html");
    view.Layout(317, 217);
    TBitmap target(317, 217);
    view.Paint(target, TRect{0, 0, 317, 217}, 0);
    view.Paint(target, TRect{0, 0, 317, 217}, view.ContentHeight() / 2);
    view.MouseMove(20, 20, 0);
    (void)view.LinkAt(20, 20, 0);
    return 0;
}
