#include "forms/TForm.h"

#include "component/PropertyHelpers.h"
#include "graphics/TCanvas.h"

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}

const TClassInfo* TForm::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TForm>("TForm", TCustomForm::StaticClassInfo(),
                                                        {EventProp("OnPaint", &TForm::OnPaint)});
    return &info;
}

const TClassInfo* TForm::ClassInfo() const {
    return StaticClassInfo();
}

void TForm::PaintWindow(HDC dc) {
    TCanvas* saved = FCanvas;
    FCanvas = dc;
    try {
        Paint();
    } catch (...) {
        FCanvas = saved;
        throw;
    }
    FCanvas = saved;
}

void TForm::Paint() {
    if (OnPaint) OnPaint(this);
}
