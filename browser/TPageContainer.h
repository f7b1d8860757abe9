#pragma once
// What the layout engine asks of the pane: fonts and text measured and drawn
// with the framework's fonts, backgrounds, borders, list markers and pictures
// painted on the pane's bitmap, and the pictures the page names. The owner
// learns through callbacks when a picture is wanted, a link is clicked and
// the cursor should change.
//
// Fonts and text in TPageContainer.cpp; painting in TPageContainerPaint.cpp.

#include <litehtml/litehtml.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "browser/TPicture.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TFont.h"

class TPageContainer : public litehtml::document_container {
public:
    struct TCallbacks {
        std::function<void(const std::string& url)> LoadPicture;
        std::function<void(const std::string& url, const std::string& target)> LinkClicked;
        std::function<void(const std::string& cursor)> CursorChanged;
    };

    TPageContainer();
    virtual ~TPageContainer();

    void SetCallbacks(TCallbacks callbacks) { FCallbacks = std::move(callbacks); }
    // The address links and pictures are resolved against.
    void SetBaseUrl(const std::string& url) { FBaseUrl = url; }
    const std::string& BaseUrl() const { return FBaseUrl; }
    void SetViewport(int width, int height);
    // Where the next paint goes, and the part of it that may change.
    void BeginPaint(TBitmap* target, const TRect& clip);
    // A picture arrived (null: it failed for good).
    void SetPicture(const std::string& url, std::shared_ptr<TPicture> picture);
    bool HasPicture(const std::string& url) const;
    const std::string& Caption() const { return FCaption; }
    std::string ResolveUrl(const char* src, const char* baseurl) const;

    // Fonts and text.
    litehtml::uint_ptr create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                   litehtml::font_style italic, unsigned int decoration,
                                   litehtml::font_metrics* fm) override;
    void delete_font(litehtml::uint_ptr hFont) override;
    int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) override;
    void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
                   litehtml::web_color color, const litehtml::position& pos) override;
    int pt_to_px(int pt) const override;
    int get_default_font_size() const override;
    const litehtml::tchar_t* get_default_font_name() const override;
    void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;

    // Painting.
    void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
    void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                    bool redraw_on_ready) override;
    void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                        litehtml::size& sz) override;
    void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
    void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders,
                      const litehtml::position& draw_pos, bool root) override;
    void set_clip(const litehtml::position& pos, const litehtml::border_radiuses& bdr_radius,
                  bool valid_x, bool valid_y) override;
    void del_clip() override;

    // The document and its surroundings.
    void set_caption(const litehtml::tchar_t* caption) override;
    void set_base_url(const litehtml::tchar_t* base_url) override;
    void link(const std::shared_ptr<litehtml::document>& doc,
              const litehtml::element::ptr& el) override;
    void on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr& el) override;
    void set_cursor(const litehtml::tchar_t* cursor) override;
    void import_css(litehtml::tstring& text, const litehtml::tstring& url,
                    litehtml::tstring& baseurl) override;
    void get_client_rect(litehtml::position& client) const override;
    std::shared_ptr<litehtml::element>
    create_element(const litehtml::tchar_t* tag_name, const litehtml::string_map& attributes,
                   const std::shared_ptr<litehtml::document>& doc) override;
    void get_media_features(litehtml::media_features& media) const override;
    void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;

private:
    struct TPageFont {
        TFont Font; // family, height and style as the framework draws them
        unsigned Decoration = 0;
    };

    TRect Clip() const;
    const TPicture* Picture(const std::string& url) const;
    void DrawBackgroundPicture(const TPicture& picture, const litehtml::background_paint& bg);
    void DrawBorderSide(const litehtml::border& side, const TRect& r, bool lighter);

    TCallbacks FCallbacks;
    std::string FBaseUrl;
    std::string FCaption;
    int FWidth = 0, FHeight = 0;
    TBitmap* FTarget = nullptr;
    TRect FPaintClip;
    std::vector<TRect> FClips;
    std::vector<std::unique_ptr<TPageFont>> FFonts;
    std::map<std::string, std::shared_ptr<TPicture>> FPictures; // null while missing
};
