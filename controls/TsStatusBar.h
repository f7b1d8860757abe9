#pragma once
// The skinned status bar: a container painted from its section (by default
// "STATUSBAR"). Each panel is framed by the section's "STATUSPANELMASK", or
// else the panels are separated by the "DIVIDER" section's border; each
// text is shortened with "..." to its panel. The last panel reaches the
// bar's right edge. A size grip is drawn from "GRIPIMAGE" when SizeGrip is
// on. It never turns hot by the mouse.
//
// Index: construction and window procedure in TsStatusBar.cpp; the panels
// and the grip in TsStatusBarLook.cpp.

#include <functional>
#include <string>

#include "controls/TsSkinnedControl.h"
#include "framework/stdctrls/TStatusBar.h"

class TCanvas;
class TsStatusBar;

// Draws an owner-drawn panel: the canvas draws on the bar's picture, Rect is
// the panel's inside.
using TsDrawPanelEvent =
    std::function<void(TsStatusBar* Bar, TStatusPanel* Panel, TCanvas* Canvas, const TRect& Rect)>;

class TsStatusBar : public TsSkinnedControl<TStatusBar> {
public:
    explicit TsStatusBar(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    // Panel I's rectangle on the bar: one pixel of gap after each earlier
    // panel, the last one to the right edge.
    TRect SkinPanelRect(int i) const;

    void WndProc(TMessage& m) override;

    TsDrawPanelEvent OnDrawPanel;

protected:
    bool IsContainer() const override { return true; }
    int PaintState() override { return psNormal; }
    bool HalfVisibleNow() override;
    void PaintContent() override;

private:
    // What the panels show, in one string: a paint finding it changed since
    // the last render rebuilds the picture (texts, widths, modes).
    std::string ContentKey() const;
    void DrawPanel(TCanvas* canvas, TRect r, const std::string& text, TAlignment alignment,
                   bool last);
    void DrawDivider(const TRect& r);
    void DrawGrip();

    std::string FRenderedKey;
};
