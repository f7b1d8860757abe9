#include "window/TGraphicControl.h"

#include "component/TClassRegistry.h"
#include "graphics/TCanvas.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

const TClassInfo* TGraphicControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.Name = "TGraphicControl";
        i.Parent = TControl::StaticClassInfo();
        return i;
    }();
    return &info;
}

const TClassInfo* TGraphicControl::ClassInfo() const {
    return StaticClassInfo();
}

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        HDC dc = WParamToDC(m.WParam);
        if (!dc) return;
        TCanvas* saved = FCanvas;
        FCanvas = dc;
        dc->SetFont(*Font());
        try {
            Paint();
        } catch (...) {
            FCanvas = saved;
            throw;
        }
        FCanvas = saved;
        return;
    }
    TControl::WndProc(m);
}
