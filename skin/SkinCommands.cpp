#include "skin/SkinCommands.h"

#include <cmath>

#include "framework/graphics/Graphics.h"
#include "framework/window/TWinControl.h"
#include "framework/window/WinApi.h"
#include "skin/SkinState.h"

uint32_t SkinMessageNumber(uint32_t registered) {
    return registered < WM_REGISTERED_FIRST ? SM_VESKACMD_FALLBACK : registered;
}

uint32_t SM_VESKACMD = SkinMessageNumber(RegisterWindowMessage("SM_VESKACMD"));
TCacheInfo CacheInfo;
TColor ParentColorValue = clNoAnswer;
std::string ChangedSkinSection;

intptr_t SendCommand(HWND window, uint16_t code) {
    return SendMessage(window, SM_VESKACMD, SkinWParam(code), 0);
}

intptr_t PerformCommand(TControl* control, uint16_t code, uint16_t argument, intptr_t lparam) {
    if (!control) return 0;
    if (control->IsWindowed())
        return SendMessage(static_cast<TWinControl*>(control)->Handle(), SM_VESKACMD,
                           SkinWParam(code, argument), lparam);
    return control->Perform(SM_VESKACMD, SkinWParam(code, argument), lparam);
}

bool AskCommand(TControl* control, uint16_t code) {
    TMessage m;
    m.Msg = SM_VESKACMD;
    m.WParam = SkinWParam(code);
    if (control->WindowProc)
        control->WindowProc(m);
    else
        control->WndProc(m);
    return m.LParam == 1;
}

void BroadcastToChildren(TWinControl* control, TMessage& m) {
    // Re-read the count each turn: a receiver may re-create or drop children.
    for (int i = 0; i < control->ControlCount(); ++i) {
        TControl* child = control->Controls(i);
        if (child->IsDestroying()) break;
        if (!child->IsWindowed())
            child->Perform(m.Msg, m.WParam, m.LParam);
        else if (AskCommand(child, SKC_ISSKINNED))
            child->WindowProc ? child->WindowProc(m) : child->WndProc(m);
        else
            BroadcastToChildren(static_cast<TWinControl*>(child), m);
    }
}

void RepaintChildren(TWinControl* container) {
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        if (child->IsWindowed()) child->Perform(SM_VESKACMD, SkinWParam(SKC_REPAINT));
    }
}

void UnfreezeTree(TControl* control) {
    PerformCommand(control, SKC_SETFROZEN, 0);
    if (!control->IsWindowed()) return;
    auto* w = static_cast<TWinControl*>(control);
    for (int i = 0; i < w->ControlCount(); ++i)
        UnfreezeTree(w->Controls(i));
}

void GetParentColor(HWND window) {
    ParentColorValue = clNoAnswer;
    SendCommand(window, SKC_GETBGCOLOR);
}

void SetBGChangedCommand(TControl* control, bool changed) {
    PerformCommand(control, SKC_SETBGCHANGED, static_cast<uint16_t>(changed ? 1 : 0));
}

TColor MixTransparentColor(TColor c, TColor p, int transparency) {
    transparency = std::clamp(transparency, 0, 100);
    TColor out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = (c >> shift) & 0xFF, b = (p >> shift) & 0xFF;
        const int v = static_cast<int>(std::lround(a + (b - a) * transparency / 100.0));
        out |= v << shift;
    }
    return out;
}

namespace {

// What shows behind the control: the parent's answer, else its colour.
TColor ColorBehind(TControl* control) {
    TWinControl* parent = control->Parent();
    if (!parent) return ColorToRGB(control->Color());
    ParentColorValue = clNoAnswer;
    SendCommand(parent->Handle(), SKC_GETBGCOLOR);
    if (ParentColorValue == clNoAnswer) return ColorToRGB(parent->Color());
    return ParentColorValue;
}

} // namespace

void AnswerBGColor(TControl* control, int skinIndex) {
    if (!IsValidSkinIndex(skinIndex) || control->IsDestroying()) {
        ParentColorValue = ColorToRGB(control->Color());
        return;
    }
    const TsGeneralData& s = SkinGeneralData[skinIndex];
    if (s.Transparency == 0)
        ParentColorValue = s.Color;
    else if (s.Transparency == 100)
        ParentColorValue = ColorBehind(control);
    else
        ParentColorValue = MixTransparentColor(s.Color, ColorBehind(control), s.Transparency);
}
