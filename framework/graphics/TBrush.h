#pragma once
// The brush a canvas fills with. bsClear fills nothing and makes text
// backgrounds transparent; setting a colour makes a clear brush solid again,
// so "set the colour, fill" always fills.

#include "component/TPersistent.h"
#include "graphics/Graphics.h"

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor c) {
        if (FColor == c && FStyle == bsSolid) return;
        FColor = c;
        FStyle = bsSolid;
        Changed();
    }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle s) {
        if (FStyle == s) return;
        FStyle = s;
        Changed();
    }

    void Assign(const TBrush& o) {
        FColor = o.FColor;
        FStyle = o.FStyle;
        Changed();
    }

    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};
