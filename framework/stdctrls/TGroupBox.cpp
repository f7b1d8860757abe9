#include "stdctrls/TGroupBox.h"

#include <algorithm>

#include "component/PropertyHelpers.h"
#include "graphics/BevelPaint.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                    csDoubleClicks | csReplicatable;
    SetBounds(0, 0, 185, 105);
}

const TClassInfo* TGroupBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TGroupBox>("TGroupBox", TCustomControl::StaticClassInfo());
    return &info;
}

const TClassInfo* TGroupBox::ClassInfo() const {
    return StaticClassInfo();
}

void TGroupBox::Paint() {
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    int textHeight = c.TextHeight("0");
    DrawEtchedFrame(c, Rect(0, textHeight / 2, Width(), Height()));
    if (Caption().empty()) return;
    // The caption sits on the frame's top line with a little room each side.
    TRect text = Rect(8, 0, 0, textHeight);
    c.DrawText(Caption(), text, DT_SINGLELINE | DT_CALCRECT);
    TRect back = Rect(6, 0, std::min(text.Right + 2, Width() - 2), textHeight);
    c.Brush()->SetColor(Color());
    c.FillRect(back);
    DrawControlText(c, Caption(), Rect(8, 0, back.Right, textHeight), DT_SINGLELINE, Enabled());
}
