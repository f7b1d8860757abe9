#include "browser/TPageView.h"

#include "browser/LegacyBodyStyle.h"
#include "browser/PageAddress.h"
#include "browser/PictureDraw.h"
#include "browser/UserAgentCss.h"

namespace {

// The stylesheet is parsed once for the program's life.
litehtml::context& PageContext() {
    static litehtml::context context;
    static const bool loaded = (context.load_master_stylesheet(UserAgentCss()), true);
    (void)loaded;
    return context;
}

} // namespace

TPageView::TPageView() = default;

TPageView::~TPageView() {
    // The document calls the container back while it goes.
    FDocument.reset();
}

void TPageView::Load(const std::string& html, const std::string& baseUrl) {
    FDocument.reset();
    FContainer.SetBaseUrl(baseUrl);
    const std::string page = LegacyBodyStyle(html) + html;
    FDocument = litehtml::document::createFromUTF8(page.c_str(), &FContainer, &PageContext());
    FContentHeight = FContentWidth = 0;
}

void TPageView::Clear() {
    FDocument.reset();
    FContentHeight = FContentWidth = 0;
}

void TPageView::Layout(int width, int height) {
    FWidth = width;
    FHeight = height;
    FContainer.SetViewport(width, height);
    if (!FDocument || width <= 0) return;
    FDocument->media_changed();
    FDocument->render(width);
    FContentHeight = FDocument->height();
    FContentWidth = FDocument->width();
}

void TPageView::Paint(TBitmap& target, const TRect& viewport, int scrollY) {
    FillPixels(target, viewport, clWhite, viewport);
    if (!FDocument) return;
    FContainer.BeginPaint(&target, viewport);
    // The engine clips in the target's coordinates, where it draws.
    const litehtml::position clip(viewport.Left, viewport.Top, viewport.Width(), viewport.Height());
    FDocument->draw(0, viewport.Left, viewport.Top - scrollY, &clip);
    FContainer.BeginPaint(nullptr, {});
}

bool TPageView::MouseMove(int x, int y, int scrollY) {
    litehtml::position::vector boxes;
    return FDocument && FDocument->on_mouse_over(x, y + scrollY, x, y, boxes);
}

bool TPageView::MouseDown(int x, int y, int scrollY) {
    litehtml::position::vector boxes;
    return FDocument && FDocument->on_lbutton_down(x, y + scrollY, x, y, boxes);
}

bool TPageView::MouseUp(int x, int y, int scrollY) {
    litehtml::position::vector boxes;
    return FDocument && FDocument->on_lbutton_up(x, y + scrollY, x, y, boxes);
}

bool TPageView::MouseLeave() {
    litehtml::position::vector boxes;
    return FDocument && FDocument->on_mouse_leave(boxes);
}

std::string TPageView::LinkAt(int x, int y, int scrollY) const {
    if (!FDocument || !FDocument->root()) return {};
    for (auto el = FDocument->root()->get_element_by_point(x, y + scrollY, x, y); el;
         el = el->parent()) {
        const char* tag = el->get_tagName();
        const char* href = el->get_attr("href");
        if (tag && std::string(tag) == "a" && href) return JoinAddress(FContainer.BaseUrl(), href);
    }
    return {};
}

int TPageView::AnchorTop(const std::string& name) const {
    if (!FDocument || !FDocument->root() || name.empty()) return -1;
    for (const char* selector : {"[id]", "a[name]"})
        for (const auto& el : FDocument->root()->select_all(selector)) {
            const char* id = el->get_attr(selector[1] == 'i' ? "id" : "name");
            if (id && name == id) return el->get_placement().y;
        }
    return -1;
}
