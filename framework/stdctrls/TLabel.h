#pragma once
// The plain label: a windowless text. With AutoSize it takes the size of its
// text (keeping its right edge when right-justified); WordWrap breaks lines
// at the label's width; Transparent leaves the parent's background showing.

#include "window/TGraphicControl.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment a);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout l);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool v);
    // The control that a click on the label focuses; may be null.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* c) { FFocusControl = c; }

    // The DrawText flags of the current settings.
    unsigned TextFlags() const;
    // Resizes to the text when AutoSize is on.
    void AdjustBounds();

    void Loaded() override;
    void WndProc(TMessage& m) override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void Paint() override;
    // The font the text is drawn in; descendants may swap it (hover fonts).
    virtual const TFont& DrawFont() const { return *Font(); }

private:
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TTextLayout FLayout = tlTop;
    bool FTransparent = false;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};
