// The window procedure every windowed skinned control shares: skin commands
// first (whether skinned or not), then, while skinned, the swallowed erase,
// the paint from the cache and the events that change the look.

#include "controls/TsCommonData.h"
#include "controls/TsPaintPipeline.h"
#include "controls/TsSkinnedLook.h"
#include "framework/window/TWinControl.h"
#include "skin/SkinCommands.h"

namespace {

constexpr intptr_t AnswerYes = 1;
// The erase request is answered as done: the cache covers every pixel.
constexpr intptr_t Erased = 1;

} // namespace

bool SkinControlCommand(TsSkinnedLook& look, TMessage& m) {
    TsCommonData& data = look.LookData();
    TWinControl& c = look.LookControl();
    const bool container = look.IsContainer();
    switch (SkinCommandCode(m)) {
    case SKC_SETNEWSKIN:
        // Children first, so they know the new skin before the container paints.
        if (container) BroadcastToChildren(&c, m);
        data.HandleCommand(m);
        return true;
    case SKC_REMOVESKIN:
        data.HandleCommand(m);
        c.Invalidate();
        if (container) BroadcastToChildren(&c, m);
        return true;
    case SKC_REFRESH:
        data.HandleCommand(m);
        if (container) BroadcastToChildren(&c, m);
        c.Repaint();
        return true;
    case SKC_REPAINT: {
        data.Repainting = true;
        TControlRef alive(&c);
        c.Repaint();
        if (alive) data.Repainting = false;
        return true;
    }
    case SKC_ISSKINNED:
        m.LParam = m.Result = AnswerYes;
        return true;
    default:
        return data.HandleWindowMessage(m);
    }
}

void SkinnedWndProc(TsSkinnedLook& look, TMessage& m, const TWndMethod& inherited) {
    TsCommonData& data = look.LookData();
    TWinControl& c = look.LookControl();
    if (IsSkinMessage(m)) {
        if (!SkinControlCommand(look, m)) inherited(m);
        return;
    }
    if (!c.IsReady() || !data.Skinned()) return inherited(m);
    switch (m.Msg) {
    case WM_ERASEBKGND:
        m.Result = Erased;
        return;
    case WM_PAINT:
        return SkinPaintMessage(look, m);
    default:
        break;
    }
    const bool wasActive = data.ControlIsActive();
    TControlRef alive(&c);
    data.HandleWindowMessage(m);
    inherited(m);
    if (alive && data.ControlIsActive() != wasActive) data.Invalidate();
}
