#include "window/TCustomControl.h"

#include "component/TClassRegistry.h"
#include "graphics/TCanvas.h"
#include "window/TPaintEngine.h"
#include "window/WinApi.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCustomControl::~TCustomControl() {
    if (FOwnDC) ReleaseDC(Handle(), FOwnDC);
}

const TClassInfo* TCustomControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.Name = "TCustomControl";
        i.Parent = TWinControl::StaticClassInfo();
        return i;
    }();
    return &info;
}

const TClassInfo* TCustomControl::ClassInfo() const {
    return StaticClassInfo();
}

TCanvas* TCustomControl::Canvas() {
    if (FPaintCanvas) return FPaintCanvas;
    if (FOwnDC) ReleaseDC(Handle(), FOwnDC);
    FOwnDC = GetDC(Handle());
    if (FOwnDC) FOwnDC->SetFont(*Font());
    return FOwnDC;
}

void TCustomControl::PaintWindow(HDC dc) {
    TCanvas* saved = FPaintCanvas;
    FPaintCanvas = dc;
    dc->SetFont(*Font());
    FControlState |= csCustomPaint;
    try {
        Paint();
    } catch (...) {
        FPaintCanvas = saved;
        FControlState &= ~csCustomPaint;
        throw;
    }
    FPaintCanvas = saved;
    FControlState &= ~csCustomPaint;
}
