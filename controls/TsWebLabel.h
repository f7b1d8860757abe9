#pragma once
// A link label: while the mouse is over it the text is drawn in HoverFont,
// the cursor is the hand, and a press of the left button opens URL with the
// platform's link opener. It keeps no skin data. When the link cannot be
// opened the reason is raised as an error, which the application shows.

#include <string>

#include "framework/stdctrls/TLabel.h"

class TsWebLabel : public TLabel {
public:
    explicit TsWebLabel(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TFont* HoverFont() const { return FHoverFont.get(); }
    void SetHoverFont(const TFont& f) { FHoverFont->Assign(f); }
    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& url) { FURL = url; }
    bool Hovered() const { return FHovered; }

    void WndProc(TMessage& m) override;

protected:
    const TFont& DrawFont() const override { return FHovered ? *FHoverFont : *Font(); }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::unique_ptr<TFont> FHoverFont;
    std::string FURL;
    bool FHovered = false;
};
