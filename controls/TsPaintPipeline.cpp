// The paint pipeline of windowed skinned controls: rendering the cache,
// painting from it, containers and their windowless children, and the
// shared window procedure.

#include "controls/TsPaintPipeline.h"

#include <optional>

#include "controls/SkinControlPaint.h"
#include "controls/TsCommonData.h"
#include "controls/TsSkinnedLook.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/TPaintEngine.h"
#include "framework/window/TWinControl.h"
#include "framework/window/WinApi.h"
#include "paint/Blend.h"
#include "skin/SkinCommands.h"
#include "skin/SkinPaint.h"

int TsSkinnedLook::PaintState() {
    return LookData().ControlIsActive() ? psHot : psNormal;
}

void TsSkinnedLook::PaintBackground(const TCacheInfo& parent, TRegion* region) {
    TsCommonData& data = LookData();
    TWinControl& c = LookControl();
    const TRect all = Rect(0, 0, c.Width(), c.Height());
    const TPoint offset = {c.Left(), c.Top()};
    const int state = PaintState();
    if (!region)
        return PaintSectionWithBorder(data, state, BorderFilling(), parent, data.CacheBmp(), all,
                                      offset);
    PaintSection(data, state, parent, data.CacheBmp(), all, offset);
    DrawBorderMaskRegion(data.CacheBmp(), all, BorderFilling(), state, data.BorderIndex, *region);
}

bool TsSkinnedLook::HalfVisibleNow() {
    const TWinControl& c = LookControl();
    if (!c.Parent()) return false;
    const TRect client = c.Parent()->ClientRect();
    const TRect b = c.BoundsRect();
    return b.Left < client.Left || b.Top < client.Top || b.Right > client.Right ||
           b.Bottom > client.Bottom;
}

namespace {

TColor ParentColorOf(const TWinControl& c) {
    return ColorToRGB(c.Parent() ? c.Parent()->Color() : c.Color());
}

} // namespace

void PrepareCache(TsSkinnedLook& look) {
    TsCommonData& data = look.LookData();
    TWinControl& c = look.LookControl();
    const TCacheInfo parent = data.GetParentCache();
    data.InitCacheBmp();
    std::optional<TRegion> region;
    if (look.RegionChanged()) region.emplace(Rect(0, 0, c.Width(), c.Height()));
    look.PaintBackground(parent, region ? &*region : nullptr);
    look.PaintContent();
    if (region && !(c.ControlState() & csAligning)) {
        c.SetWindowRgn(&*region, true);
        look.RegionRebuilt();
    }
    if (!c.Enabled()) {
        const TCacheInfo again = data.GetParentCache();
        PaintDisabled(data.CacheBmp(), look.DisabledFlags(), ParentColorOf(c), again,
                      {c.Left(), c.Top()});
    }
    data.BGChanged = false;
    data.RememberRender();
}

void RefreshKeptPicture(TsSkinnedLook& look) {
    TsCommonData& data = look.LookData();
    const TBitmap* cache = data.CacheBmp();
    if (data.BGChanged || !cache || cache->Empty() || !data.RenderStillCurrent())
        PrepareCache(look);
}

bool LeavesPictureAlone(const TMessage& m) {
    return m.Msg == WM_PAINT || m.Msg == WM_ERASEBKGND || m.Msg == WM_NCPAINT || IsSkinMessage(m);
}

void KeptPictureInvalidated(TsCommonData& data) {
    if (!data.Repainting) data.BGChanged = true;
}

namespace {

bool ParentHalfVisible(TWinControl& c) {
    return c.Parent() && AskCommand(c.Parent(), SKC_ISHALFVISIBLE);
}

void CopyToScreen(TsSkinnedLook& look, HDC dc) {
    TsCommonData& data = look.LookData();
    TWinControl& c = look.LookControl();
    const TRect all = Rect(0, 0, c.Width(), c.Height());
    if (!look.IsContainer()) {
        dc->BitBlt(0, 0, c.Width(), c.Height(), *data.CacheBmp(), 0, 0);
        return;
    }
    data.PaintToDC(dc, all, {0, 0});
    PaintGraphicChildren(c, dc);
    RepaintChildren(&c);
}

} // namespace

void PaintFromCache(TsSkinnedLook& look, HDC dc) {
    TsCommonData& data = look.LookData();
    TWinControl& c = look.LookControl();
    if (!dc || data.IsUpdating() || look.PaintSuspended()) return;
    // Lying half outside forces a render only when something could have
    // changed what the parent shows under the control.
    const bool forced = data.HalfVisible || ParentHalfVisible(c);
    data.BGChanged = data.BGChanged || (forced && !data.RenderStillCurrent());
    data.HalfVisible = look.HalfVisibleNow();
    if (data.BGChanged && !data.Frozen) PrepareCache(look);
    if (data.CacheBmp() && !data.CacheBmp()->Empty()) look.PaintOverCache();
    // A frozen control that never rendered has no picture of its size yet.
    if (data.CacheBmp() && !data.CacheBmp()->Empty()) CopyToScreen(look, dc);
    // A frozen control keeps its stale mark, so that the first paint after
    // thawing shows what changed meanwhile.
    if (!data.Frozen) data.BGChanged = false;
}

void SkinPaintMessage(TsSkinnedLook& look, TMessage& m) {
    TWinControl& c = look.LookControl();
    if (HDC given = WParamToDC(m.WParam)) {
        const int level = given->SaveDC();
        PaintFromCache(look, given);
        given->RestoreDC(level);
        return;
    }
    TPaintStruct ps;
    HDC dc = BeginPaint(c.Handle(), ps);
    if (dc) {
        const int level = dc->SaveDC();
        PaintFromCache(look, dc);
        dc->RestoreDC(level);
    }
    EndPaint(c.Handle(), ps);
}

namespace {

// The child painted into a bitmap that starts as the container's picture
// under it, then copied in one piece, so it never flickers over the screen.
void PaintThroughBitmap(TControl& child, HDC dc, const TCacheInfo& cache) {
    const TRect b = child.BoundsRect();
    TBitmap off(b.Width(), b.Height(), GraphicsScale());
    CopyRect(&off, {0, 0}, cache.Bitmap,
             Bounds(cache.X + b.Left, cache.Y + b.Top, b.Width(), b.Height()));
    child.Perform(WM_PAINT, DCToWParam(off.Canvas()));
    dc->BitBlt(0, 0, b.Width(), b.Height(), off, 0, 0);
}

} // namespace

void PaintGraphicChildren(TWinControl& container, HDC dc) {
    if (!dc) return;
    // A child's paint may remove children; hold checked references.
    std::vector<TControlRef> children;
    for (TControl* c : container.ControlList())
        if (!c->IsWindowed()) children.emplace_back(c);
    const TRect area = dc->ClipRect();
    for (const TControlRef& ref : children) {
        TControl* child = ref.Get();
        if (!child || !child->Visible()) continue;
        const TRect b = child->BoundsRect();
        if (b.Intersect(area).IsEmpty()) continue;
        const int level = dc->SaveDC();
        const TPoint o = dc->Origin();
        dc->SetOrigin(o.X + b.Left, o.Y + b.Top);
        dc->IntersectClipRect(Rect(0, 0, b.Width(), b.Height()));
        // A child that covers its rectangle (the gauge from its kept picture)
        // needs nothing under it and paints straight onto the DC.
        TCacheInfo cache;
        if (!(child->ControlStyle() & csOpaque)) {
            CacheInfo = TCacheInfo{};
            SendCommand(container.Handle(), SKC_GETCACHE);
            cache = CacheInfo;
        }
        if (cache.Ready && cache.Bitmap)
            PaintThroughBitmap(*child, dc, cache);
        else
            child->Perform(WM_PAINT, DCToWParam(dc));
        dc->RestoreDC(level);
    }
}
