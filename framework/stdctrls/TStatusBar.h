#pragma once
// The plain status bar, aligned to the bottom of its parent: a row of sunken
// panels (the last one takes what is left of the width), or with SimplePanel
// one panel showing SimpleText. A size grip is drawn in the right corner
// when SizeGrip is set.

#include <memory>
#include <string>

#include "stdctrls/TStatusPanels.h"
#include "window/TCustomControl.h"

class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TStatusPanels* Panels() const { return FPanels.get(); }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool v);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& s);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool v);

    // Where panel i is drawn, client coordinates.
    TRect PanelRect(int i) const;

protected:
    void Paint() override;
    // Whether the grip is drawn: asked for, on a window the user can resize.
    bool GripShown() const { return FSizeGrip && ParentIsSizeable(); }

private:
    bool ParentIsSizeable() const;
    void PaintPanel(TCanvas& c, const TRect& r, const std::string& text, TAlignment alignment,
                    TStatusPanelBevel bevel);

    std::unique_ptr<TStatusPanels> FPanels;
    bool FSimplePanel = false;
    std::string FSimpleText;
    bool FSizeGrip = true;
};
