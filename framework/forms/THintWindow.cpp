#include "forms/THintWindow.h"

#include "component/TClassRegistry.h"
#include "forms/TApplication.h"
#include "forms/TScreen.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"

namespace {
constexpr unsigned kHintTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
}

THintWindow::THintWindow(TComponent* owner) : TCustomForm(owner) {
    SetBorderStyle(bsNone);
    SetColor(Application ? Application->HintColor() : clInfoBk);
    Font()->SetColor(clInfoText);
    FControlStyle |= csOpaque;
}

const TClassInfo* THintWindow::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.Name = "THintWindow";
        i.Parent = TCustomForm::StaticClassInfo();
        return i;
    }();
    return &info;
}

const TClassInfo* THintWindow::ClassInfo() const {
    return StaticClassInfo();
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint, void*) {
    TBitmap probe(1, 1);
    probe.Canvas()->SetFont(*Font());
    TRect r = Rect(0, 0, maxWidth, 0);
    probe.Canvas()->DrawText(hint, r, DT_CALCRECT | kHintTextFlags);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    TRect r = rect;
    if (Screen && Screen->Width() > 0) {
        if (r.Right > Screen->Width()) r = r.Offset(Screen->Width() - r.Right, 0);
        if (r.Left < 0) r = r.Offset(-r.Left, 0);
        if (r.Bottom > Screen->Height()) r = r.Offset(0, Screen->Height() - r.Bottom);
        if (r.Top < 0) r = r.Offset(0, -r.Top);
    }
    SetCaption(hint);
    SetBoundsRect(r);
    Invalidate();
    if (!Visible())
        Show();
    else if (HostWindow())
        HostWindow()->Raise();
}

void THintWindow::ActivateHintData(const TRect& rect, const std::string& hint, void*) {
    ActivateHint(rect, hint);
}

void THintWindow::PaintWindow(HDC dc) {
    TCanvas* saved = FCanvas;
    FCanvas = dc;
    Paint();
    FCanvas = saved;
}

void THintWindow::Paint() {
    TRect r = ClientRect();
    FCanvas->Brush()->SetColor(Color());
    FCanvas->FillRect(r);
    FCanvas->Brush()->SetColor(clWindowFrame);
    FCanvas->FrameRect(r);
    FCanvas->SetFont(*Font());
    FCanvas->Brush()->SetStyle(bsClear);
    TRect t = Rect(r.Left + 3, r.Top + 1, r.Right - 3, r.Bottom - 1);
    FCanvas->DrawText(Caption(), t, kHintTextFlags);
}
