#include "stdctrls/TLabel.h"

#include "component/PropertyHelpers.h"
#include "graphics/DrawText.h"
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "window/TWinControl.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle |= csReplicatable;
    SetBounds(0, 0, 65, 17);
}

const TClassInfo* TLabel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TLabel>(
        "TLabel", TGraphicControl::StaticClassInfo(),
        {
            EnumProp("Alignment", &TLabel::SetAlignment,
                     {"taLeftJustify", "taRightJustify", "taCenter"}),
            BoolProp("AutoSize", &TLabel::SetAutoSize),
            ComponentRefProp("FocusControl", &TLabel::SetFocusControl),
            EnumProp("Layout", &TLabel::SetLayout, {"tlTop", "tlCenter", "tlBottom"}),
            BoolProp("ShowAccelChar", &TLabel::SetShowAccelChar),
            BoolProp("Transparent", &TLabel::SetTransparent),
            BoolProp("WordWrap", &TLabel::SetWordWrap),
        });
    return &info;
}

const TClassInfo* TLabel::ClassInfo() const {
    return StaticClassInfo();
}

void TLabel::SetAlignment(TAlignment a) {
    if (a == FAlignment) return;
    FAlignment = a;
    Invalidate();
}

void TLabel::SetAutoSize(bool v) {
    FAutoSize = v;
    AdjustBounds();
}

void TLabel::SetLayout(TTextLayout l) {
    if (l == FLayout) return;
    FLayout = l;
    Invalidate();
}

void TLabel::SetTransparent(bool v) {
    if (v == FTransparent) return;
    FTransparent = v;
    if (v)
        FControlStyle &= ~csOpaque;
    else
        FControlStyle |= csOpaque;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    if (v == FWordWrap) return;
    FWordWrap = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool v) {
    if (v == FShowAccelChar) return;
    FShowAccelChar = v;
    AdjustBounds();
    Invalidate();
}

unsigned TLabel::TextFlags() const {
    unsigned flags = FWordWrap ? DT_WORDBREAK : 0;
    if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    else if (FAlignment == taCenter)
        flags |= DT_CENTER;
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    return flags | DT_EXPANDTABS;
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || IsLoading()) return;
    static TBitmap scratch;
    TCanvas c(&scratch);
    c.SetFont(DrawFont());
    TRect r = Rect(0, 0, FWordWrap ? Width() : 0, 0);
    std::string text = Caption().empty() ? std::string(" ") : Caption();
    c.DrawText(text, r, TextFlags() | DT_CALCRECT);
    int w = FWordWrap ? Width() : r.Width();
    int left = FLeft;
    if (FAlignment == taRightJustify && !FWordWrap) left = FLeft + FWidth - w;
    SetBounds(left, FTop, w, r.Height());
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::WndProc(TMessage& m) {
    TGraphicControl::WndProc(m);
    if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED || m.Msg == CM_PARENTFONTCHANGED)
        AdjustBounds();
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TLabel::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    if (!FTransparent) {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Color());
        c.FillRect(r);
    }
    c.SetFont(DrawFont());
    unsigned flags = TextFlags();
    if (FLayout != tlTop) {
        TRect calc = r;
        c.DrawText(Caption(), calc, flags | DT_CALCRECT);
        int dy =
            FLayout == tlBottom ? r.Height() - calc.Height() : (r.Height() - calc.Height()) / 2;
        r.Top += dy;
    }
    DrawControlText(c, Caption(), r, flags, Enabled());
}
