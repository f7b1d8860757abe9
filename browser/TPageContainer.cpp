#include "browser/TPageContainer.h"

#include <cwctype>

#include "browser/PageAddress.h"
#include "browser/PageFonts.h"
#include "framework/component/Utf8.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TFontEngine.h"
#include "platform/services/ReadWholeFile.h"

namespace {

constexpr int kDefaultFontPx = 16;
constexpr int kPointsPerInch = 72;
constexpr int kColorBits = 8;    // per colour component of the screen
constexpr int kBoldWeight = 600; // this weight and heavier draw bold
// A local stylesheet larger than this is not read.
constexpr size_t kMaxStylesheetBytes = size_t{1} << 20;

TColor ToColor(const litehtml::web_color& c) {
    return static_cast<TColor>(c.red | (c.green << 8) | (c.blue << 16));
}

} // namespace

TPageContainer::TPageContainer() = default;
TPageContainer::~TPageContainer() = default;

void TPageContainer::SetViewport(int width, int height) {
    FWidth = width;
    FHeight = height;
}

litehtml::uint_ptr TPageContainer::create_font(const litehtml::tchar_t* faceName, int size,
                                               int weight, litehtml::font_style italic,
                                               unsigned int decoration,
                                               litehtml::font_metrics* fm) {
    auto font = std::make_unique<TPageFont>();
    font->Font.SetName(PageFontFamily(faceName ? faceName : ""));
    font->Font.SetHeight(-std::max(size, 1));
    TFontStyles style = 0;
    if (weight >= kBoldWeight) style |= fsBold;
    if (italic == litehtml::fontStyleItalic) style |= fsItalic;
    if (decoration & litehtml::font_decoration_underline) style |= fsUnderline;
    if (decoration & litehtml::font_decoration_linethrough) style |= fsStrikeOut;
    font->Font.SetStyle(style);
    font->Decoration = decoration;
    if (fm) {
        TGlyphCache& glyphs = TFontEngine::Instance().Cache(font->Font);
        const TFontMetrics& m = glyphs.Metrics();
        fm->ascent = m.Ascent;
        fm->descent = m.Descent;
        fm->height = m.Height;
        fm->x_height = std::max(glyphs.Glyph(U'x').Top, 1);
        fm->draw_spaces = italic == litehtml::fontStyleItalic || decoration != 0;
    }
    FFonts.push_back(std::move(font));
    return static_cast<litehtml::uint_ptr>(FFonts.size());
}

void TPageContainer::delete_font(litehtml::uint_ptr) {
    // Fonts live as long as the container: the engine deletes each once, and
    // handles must stay distinct for the document's life.
}

int TPageContainer::text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) {
    if (hFont == 0 || hFont > FFonts.size() || !text) return 0;
    return TFontEngine::Instance().Cache(FFonts[hFont - 1]->Font).TextWidth(Utf8Decode(text));
}

void TPageContainer::draw_text(litehtml::uint_ptr, const litehtml::tchar_t* text,
                               litehtml::uint_ptr hFont, litehtml::web_color color,
                               const litehtml::position& pos) {
    if (!FTarget || hFont == 0 || hFont > FFonts.size() || !text || color.alpha == 0) return;
    TFont font = FFonts[hFont - 1]->Font;
    font.SetColor(ToColor(color));
    TCanvas& canvas = *FTarget->Canvas();
    canvas.SetFont(font);
    const TRect clip = Clip();
    canvas.DrawTextRun(pos.x, pos.y, Utf8Decode(text), &clip);
}

int TPageContainer::pt_to_px(int pt) const {
    return pt * ScreenPixelsPerInch / kPointsPerInch;
}

int TPageContainer::get_default_font_size() const {
    return kDefaultFontPx;
}

const litehtml::tchar_t* TPageContainer::get_default_font_name() const {
    return DefaultPageFamily();
}

void TPageContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt) {
    std::u32string chars = Utf8Decode(text);
    bool wordStart = true;
    for (char32_t& c : chars) {
        const bool letter = std::iswalpha(static_cast<wint_t>(c));
        if (tt == litehtml::text_transform_uppercase ||
            (tt == litehtml::text_transform_capitalize && wordStart && letter))
            c = static_cast<char32_t>(std::towupper(static_cast<wint_t>(c)));
        else if (tt == litehtml::text_transform_lowercase)
            c = static_cast<char32_t>(std::towlower(static_cast<wint_t>(c)));
        wordStart = !letter;
    }
    text = Utf8Encode(chars);
}

void TPageContainer::set_caption(const litehtml::tchar_t* caption) {
    FCaption = caption ? caption : "";
}

void TPageContainer::set_base_url(const litehtml::tchar_t* base_url) {
    if (base_url && *base_url) FBaseUrl = JoinAddress(FBaseUrl, base_url);
}

void TPageContainer::link(const std::shared_ptr<litehtml::document>&,
                          const litehtml::element::ptr&) {}

void TPageContainer::on_anchor_click(const litehtml::tchar_t* url,
                                     const litehtml::element::ptr& el) {
    if (!url || !FCallbacks.LinkClicked) return;
    const char* target = el ? el->get_attr("target", "") : "";
    FCallbacks.LinkClicked(JoinAddress(FBaseUrl, url), target ? target : "");
}

void TPageContainer::set_cursor(const litehtml::tchar_t* cursor) {
    if (FCallbacks.CursorChanged) FCallbacks.CursorChanged(cursor ? cursor : "");
}

// Stylesheets are read only from files beside a local page: fetching one
// from a server would make the layout wait for the net, and a page from a
// server has no business reading the player's files.
void TPageContainer::import_css(litehtml::tstring& text, const litehtml::tstring& url,
                                litehtml::tstring& baseurl) {
    const std::string address = JoinAddress(baseurl.empty() ? FBaseUrl : baseurl, url);
    const std::string path = FilePathOf(address);
    if (path.empty() || FilePathOf(FBaseUrl).empty()) return;
    const auto bytes = ReadWholeFile(path);
    if (bytes && bytes->size() <= kMaxStylesheetBytes) {
        text = *bytes;
        baseurl = address;
    }
}

void TPageContainer::get_client_rect(litehtml::position& client) const {
    client = litehtml::position(0, 0, FWidth, FHeight);
}

std::shared_ptr<litehtml::element>
TPageContainer::create_element(const litehtml::tchar_t*, const litehtml::string_map&,
                               const std::shared_ptr<litehtml::document>&) {
    return nullptr;
}

void TPageContainer::get_media_features(litehtml::media_features& media) const {
    media.type = litehtml::media_type_screen;
    media.width = media.device_width = FWidth;
    media.height = media.device_height = FHeight;
    media.color = kColorBits;
    media.resolution = ScreenPixelsPerInch;
}

void TPageContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const {
    language = "pt";
    culture = "";
}
