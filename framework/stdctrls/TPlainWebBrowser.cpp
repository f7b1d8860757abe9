#include "stdctrls/TPlainWebBrowser.h"

#include "component/PropertyHelpers.h"
#include "component/Utf8.h"
#include "graphics/BevelPaint.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"

TPlainWebBrowser::TPlainWebBrowser(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csCaptureMouse | csClickEvents | csOpaque;
    SetBounds(0, 0, 300, 150);
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
}

const TClassInfo* TPlainWebBrowser::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TPlainWebBrowser>(
        "TWebBrowser", TCustomControl::StaticClassInfo(),
        {EventProp("OnNavigateComplete", &TPlainWebBrowser::OnNavigateComplete)});
    return &info;
}

const TClassInfo* TPlainWebBrowser::ClassInfo() const {
    return StaticClassInfo();
}

void TPlainWebBrowser::Navigate(const std::string& url) {
    FLocationURL = url;
    Invalidate();
    if (OnNavigateComplete) OnNavigateComplete(this);
}

void TPlainWebBrowser::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    DrawSunkenEdge(c, r);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    TRect text = Rect(r.Left + 6, r.Top + 6, r.Right - 6, r.Bottom - 6);
    c.IntersectClipRect(r);
    // An address has no spaces to break at: wrap it wherever the line is full.
    std::u32string chars = Utf8Decode(FLocationURL), line;
    std::string wrapped;
    for (char32_t ch : chars) {
        std::u32string next = line + ch;
        if (!line.empty() && c.TextWidth(Utf8Encode(next)) > text.Width()) {
            wrapped += Utf8Encode(line) + "\n";
            next = std::u32string(1, ch);
        }
        line = next;
    }
    wrapped += Utf8Encode(line);
    DrawControlText(c, wrapped, text, DT_NOPREFIX, Enabled());
}
