#pragma once
// One panel of a TStatusBar: its text, width and alignment.

#include <string>

#include "window/ControlTypes.h"

class TStatusPanels;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

class TStatusPanel : public TPersistent {
public:
    explicit TStatusPanel(TStatusPanels* owner) : FOwner(owner) {}

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    const std::string& Text() const { return FText; }
    void SetText(const std::string& s);
    int Width() const { return FWidth; }
    void SetWidth(int w);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment a);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel b);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle s);

private:
    void Changed();

    TStatusPanels* FOwner;
    std::string FText;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
    TStatusPanelStyle FStyle = psText;
};
