#pragma once
// A link label: while the mouse is over it the text is drawn in HoverFont,
// the cursor is the hand, and a press of the left button opens URL with the
// platform's link opener. It keeps no skin data. When the link cannot be
// opened the reason is raised as an error, which the application shows.

#include <cstdint>
#include <string>

#include "controls/TsCustomLabel.h"

// How the opened program's window is to be shown; kept for definitions,
// the platform's link opener decides on its own.
enum TsWindowShowMode : uint8_t {
    soHide,
    soNormal,
    soShowMinimized,
    soMaximize,
    soShowNoActivate,
    soShow,
    soMinimize,
    soShowMinNoActive,
    soShowNA,
    soRestore,
    soDefault
};

class TsWebLabel : public TsCustomLabel {
public:
    explicit TsWebLabel(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TFont* HoverFont() const { return FHoverFont.get(); }
    void SetHoverFont(const TFont& f) { FHoverFont->Assign(f); }
    // The font while the mouse is not over the label; shown at once.
    void SetFont(const TFont& f);
    TsWindowShowMode ShowMode() const { return FShowMode; }
    void SetShowMode(TsWindowShowMode mode) { FShowMode = mode; }
    const TFont& GetCurrentFont() const override { return FHovered ? *FHoverFont : *Font(); }
    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& url) { FURL = url; }
    bool Hovered() const { return FHovered; }

    void WndProc(TMessage& m) override;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::unique_ptr<TFont> FHoverFont;
    std::string FURL;
    TsWindowShowMode FShowMode = soDefault;
    bool FHovered = false;
};
