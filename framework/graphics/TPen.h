#pragma once
// The pen a canvas draws lines and outlines with.

#include "component/TPersistent.h"
#include "graphics/Graphics.h"

// psDot and the dash styles repeat their pattern along each line (3 on, 3 off
// for dots); psClear draws nothing, so shapes have no outline.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TPersistent {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor c) { Change(FColor, c); }
    int Width() const { return FWidth; }
    void SetWidth(int w) { Change(FWidth, w < 1 ? 1 : w); }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle s) { Change(FStyle, s); }

    void Assign(const TPen& o) {
        FColor = o.FColor;
        FWidth = o.FWidth;
        FStyle = o.FStyle;
        Changed();
    }

    TNotifyEvent OnChange;

private:
    template <class T> void Change(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed() {
        if (OnChange) OnChange(this);
    }

    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
};
