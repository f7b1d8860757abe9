// TsCommonData: the cache bitmap, the parent's picture, and copying the
// cache to a device context.

#include "controls/TsCommonData.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/TWinControl.h"
#include "skin/SkinCommands.h"

TCacheInfo TsCommonData::GetParentCache() const {
    TWinControl* parent = FOwnerControl ? FOwnerControl->Parent() : nullptr;
    if (!parent) return {};
    CacheInfo = TCacheInfo{};
    SendCommand(parent->Handle(), SKC_GETCACHE);
    return CacheInfo;
}

namespace {

// One count for the whole process, so that a picture drawn anew never gets a
// version an earlier picture of the same or another cache had.
uint64_t PicturesDrawn = 0;

TRect PlaceInForm(const TControl* c) {
    if (!c) return {};
    const TPoint o = c->OriginInForm();
    return Bounds(o.X, o.Y, c->Width(), c->Height());
}

} // namespace

void TsCommonData::PictureDrawn() {
    FPictureVersion = ++PicturesDrawn;
}

bool TsCommonData::RenderStillCurrent() const {
    const TCacheInfo parent = GetParentCache();
    return parent.Ready && parent.Version != 0 && parent.Version == FRenderMemo.ParentVersion &&
           FRenderMemo.Place == PlaceInForm(FOwnerControl);
}

void TsCommonData::RememberRender() {
    const TCacheInfo parent = GetParentCache();
    FRenderMemo = {parent.Ready ? parent.Version : 0, PlaceInForm(FOwnerControl)};
}

void TsCommonData::InitCacheBmp() {
    PictureDrawn();
    if (!FCacheBmp) FCacheBmp = std::make_unique<TBitmap>(0, 0, GraphicsScale());
    if (!FOwnerControl) return;
    // Each side separately and only when it differs: a resize drops the pixels.
    if (FCacheBmp->Width() != FOwnerControl->Width()) FCacheBmp->SetWidth(FOwnerControl->Width());
    if (FCacheBmp->Height() != FOwnerControl->Height())
        FCacheBmp->SetHeight(FOwnerControl->Height());
}

void TsCommonData::PaintToDC(HDC dc, TRect dest, TPoint src) const {
    if (!dc || !FCacheBmp) return;
    const int level = dc->SaveDC();
    dc->IntersectClipRect(dest);
    if (OwnerIsWindowed()) {
        // Children that cover their rectangle are painted after the container;
        // leaving them out paints each pixel once.
        const auto* w = static_cast<const TWinControl*>(FOwnerControl);
        for (TControl* child : w->ControlList()) {
            if (!child->Visible()) continue;
            const TRect b = child->BoundsRect();
            if (b.Intersect(dest).IsEmpty()) continue;
            if (!child->IsWindowed() || (child->ControlStyle() & csOpaque)) dc->ExcludeClipRect(b);
        }
    }
    dc->BitBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), *FCacheBmp, src.X, src.Y);
    dc->RestoreDC(level);
}

void TsCommonData::CopyCache(HDC dc, int x, int y, int width, int height) const {
    if (dc && FCacheBmp) dc->BitBlt(x, y, width, height, *FCacheBmp, x, y);
}

void TsCommonData::FreeCacheBmp() {
    FCacheBmp.reset();
}
