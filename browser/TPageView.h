#pragma once
// One page laid out and painted: the parsed document, the container that
// draws it, the width it is laid out at, and where the mouse is over it.
// Knows nothing of windows: the pane (TWebBrowser) gives it a bitmap, a
// viewport and a scroll offset.

#include <memory>
#include <string>

#include "browser/TPageContainer.h"
#include "framework/graphics/TBitmap.h"

class TPageView {
public:
    TPageView();
    ~TPageView();
    TPageView(const TPageView&) = delete;
    TPageView& operator=(const TPageView&) = delete;

    TPageContainer& Container() { return FContainer; }
    // Parses the page (UTF-8); its links and pictures resolve against baseUrl.
    void Load(const std::string& html, const std::string& baseUrl);
    void Clear();
    bool HasPage() const { return FDocument != nullptr; }
    // Lays the page out for a viewport of this size.
    void Layout(int width, int height);
    // Lays it out again at the same size (a picture arrived).
    void Relayout() { Layout(FWidth, FHeight); }
    int ContentHeight() const { return FContentHeight; }
    int ContentWidth() const { return FContentWidth; }
    // Paints the part of the page seen from scrollY into the viewport
    // rectangle of the target; white where the page has nothing.
    void Paint(TBitmap& target, const TRect& viewport, int scrollY);

    // Mouse over the viewport, in viewport coordinates. True when the page
    // looks different now (hover styles).
    bool MouseMove(int x, int y, int scrollY);
    bool MouseDown(int x, int y, int scrollY);
    // Clicks the link under the mouse, if any, through the container.
    bool MouseUp(int x, int y, int scrollY);
    bool MouseLeave();
    // The address of the link under the point, empty when there is none.
    std::string LinkAt(int x, int y, int scrollY) const;
    // Where the element with this id or anchor name begins, -1 when none.
    int AnchorTop(const std::string& name) const;

private:
    TPageContainer FContainer;
    std::shared_ptr<litehtml::document> FDocument;
    int FWidth = 0, FHeight = 0;
    int FContentHeight = 0, FContentWidth = 0;
};
