#include "browser/TPageContainer.h"

#include <algorithm>

#include "browser/PageAddress.h"
#include "browser/PictureDraw.h"
#include "framework/graphics/TCanvas.h"

namespace {

// How much the light and dark sides of inset and outset borders differ.
constexpr int kBevelShade = 64;

TColor ToColor(const litehtml::web_color& c) {
    return static_cast<TColor>(c.red | (c.green << 8) | (c.blue << 16));
}

TRect ToRect(const litehtml::position& p) {
    return TRect{p.x, p.y, p.x + p.width, p.y + p.height};
}

TColor Shade(const litehtml::web_color& c, int delta) {
    auto channel = [delta](int v) { return std::clamp(v + delta, 0, 255); };
    return static_cast<TColor>(channel(c.red) | (channel(c.green) << 8) | (channel(c.blue) << 16));
}

} // namespace

void TPageContainer::BeginPaint(TBitmap* target, const TRect& clip) {
    FTarget = target;
    FPaintClip = clip;
    FClips.clear();
}

TRect TPageContainer::Clip() const {
    TRect clip = FPaintClip;
    for (const TRect& r : FClips)
        clip = clip.Intersect(r);
    return clip;
}

void TPageContainer::set_clip(const litehtml::position& pos, const litehtml::border_radiuses&,
                              bool valid_x, bool valid_y) {
    TRect r = ToRect(pos);
    // An axis that is not clipped stays open.
    if (!valid_x) r.Left = FPaintClip.Left, r.Right = FPaintClip.Right;
    if (!valid_y) r.Top = FPaintClip.Top, r.Bottom = FPaintClip.Bottom;
    FClips.push_back(r);
}

void TPageContainer::del_clip() {
    if (!FClips.empty()) FClips.pop_back();
}

std::string TPageContainer::ResolveUrl(const char* src, const char* baseurl) const {
    const std::string base = baseurl && *baseurl ? JoinAddress(FBaseUrl, baseurl) : FBaseUrl;
    return WithoutFragment(JoinAddress(base, src ? src : ""));
}

void TPageContainer::SetPicture(const std::string& url, std::shared_ptr<TPicture> picture) {
    FPictures[url] = std::move(picture);
}

bool TPageContainer::HasPicture(const std::string& url) const {
    return Picture(url) != nullptr;
}

const TPicture* TPageContainer::Picture(const std::string& url) const {
    auto it = FPictures.find(url);
    return it == FPictures.end() ? nullptr : it->second.get();
}

void TPageContainer::load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                                bool) {
    if (!src || !*src) return;
    const std::string url = ResolveUrl(src, baseurl);
    if (FPictures.count(url)) return; // asked already
    FPictures[url] = nullptr;
    if (FCallbacks.LoadPicture) FCallbacks.LoadPicture(url);
}

void TPageContainer::get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                                    litehtml::size& sz) {
    const TPicture* p = src ? Picture(ResolveUrl(src, baseurl)) : nullptr;
    sz.width = p ? p->Width() : 0;
    sz.height = p ? p->Height() : 0;
}

void TPageContainer::draw_background(litehtml::uint_ptr, const litehtml::background_paint& bg) {
    if (!FTarget) return;
    const TRect clip = Clip();
    const TRect box = ToRect(bg.clip_box);
    if (bg.color.alpha > 0) BlendPixels(*FTarget, box, ToColor(bg.color), bg.color.alpha, clip);
    if (bg.image.empty()) return;
    if (const TPicture* picture = Picture(ResolveUrl(bg.image.c_str(), bg.baseurl.c_str())))
        DrawBackgroundPicture(*picture, bg);
}

// Tiles the picture at its drawn size from its position, as the repeat asks.
void TPageContainer::DrawBackgroundPicture(const TPicture& picture,
                                           const litehtml::background_paint& bg) {
    const int w = bg.image_size.width > 0 ? bg.image_size.width : picture.Width();
    const int h = bg.image_size.height > 0 ? bg.image_size.height : picture.Height();
    if (w <= 0 || h <= 0) return;
    const TRect clip = Clip().Intersect(ToRect(bg.clip_box));
    if (clip.IsEmpty()) return;
    const bool repeatX = bg.repeat == litehtml::background_repeat_repeat ||
                         bg.repeat == litehtml::background_repeat_repeat_x;
    const bool repeatY = bg.repeat == litehtml::background_repeat_repeat ||
                         bg.repeat == litehtml::background_repeat_repeat_y;
    int x0 = bg.position_x, y0 = bg.position_y;
    if (repeatX) x0 -= ((x0 - clip.Left) / w + 1) * w;
    if (repeatY) y0 -= ((y0 - clip.Top) / h + 1) * h;
    for (int y = y0; y < clip.Bottom; y += h) {
        for (int x = x0; x < clip.Right; x += w) {
            DrawPicture(*FTarget, picture, TRect{x, y, x + w, y + h}, clip);
            if (!repeatX) break;
        }
        if (!repeatY) break;
    }
}

void TPageContainer::DrawBorderSide(const litehtml::border& side, const TRect& r, bool lighter) {
    if (side.width <= 0 || side.style == litehtml::border_style_none ||
        side.style == litehtml::border_style_hidden || side.color.alpha == 0)
        return;
    TColor color = ToColor(side.color);
    const bool sunk =
        side.style == litehtml::border_style_inset || side.style == litehtml::border_style_groove;
    const bool raised =
        side.style == litehtml::border_style_outset || side.style == litehtml::border_style_ridge;
    if (sunk || raised) color = Shade(side.color, (lighter != sunk) ? kBevelShade : -kBevelShade);
    FillPixels(*FTarget, r, color, Clip());
}

void TPageContainer::draw_borders(litehtml::uint_ptr, const litehtml::borders& borders,
                                  const litehtml::position& draw_pos, bool) {
    if (!FTarget) return;
    const TRect b = ToRect(draw_pos);
    DrawBorderSide(borders.top, TRect{b.Left, b.Top, b.Right, b.Top + borders.top.width}, true);
    DrawBorderSide(borders.left, TRect{b.Left, b.Top, b.Left + borders.left.width, b.Bottom}, true);
    DrawBorderSide(borders.bottom,
                   TRect{b.Left, b.Bottom - borders.bottom.width, b.Right, b.Bottom}, false);
    DrawBorderSide(borders.right, TRect{b.Right - borders.right.width, b.Top, b.Right, b.Bottom},
                   false);
}

void TPageContainer::draw_list_marker(litehtml::uint_ptr, const litehtml::list_marker& marker) {
    if (!FTarget) return;
    const TRect box = ToRect(marker.pos);
    if (!marker.image.empty()) {
        if (const TPicture* p = Picture(ResolveUrl(marker.image.c_str(), marker.baseurl))) {
            DrawPicture(*FTarget, *p, box, Clip());
            return;
        }
    }
    const TColor color = ToColor(marker.color);
    TCanvas& canvas = *FTarget->Canvas();
    canvas.SaveDC();
    canvas.IntersectClipRect(Clip());
    canvas.Pen()->SetColor(color);
    canvas.Brush()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
    switch (marker.marker_type) {
    case litehtml::list_style_type_none:
        break;
    case litehtml::list_style_type_square:
        FillPixels(*FTarget, box, color, Clip());
        break;
    case litehtml::list_style_type_circle:
        canvas.Brush()->SetStyle(bsClear);
        canvas.Ellipse(box);
        break;
    default:
        canvas.Ellipse(box);
        break;
    }
    canvas.RestoreDC();
}
