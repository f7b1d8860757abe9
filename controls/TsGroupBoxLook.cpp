// The skinned group box's look: the caption rectangle, the band behind the
// caption taken from the parent, the frame from the band's middle down, and
// the caption on its own section's background.

#include <algorithm>

#include "controls/SkinControlPaint.h"
#include "controls/TsGroupBox.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "paint/Blend.h"
#include "skin/SectionText.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

namespace {

// The band is at least this high before its margin.
constexpr int MinTextHeight = 4;
constexpr int BandMargin = 2;
// Where the caption starts for each layout, and the room it takes around
// its text.
constexpr int LeftIndent = 6;
constexpr int CenterRoom = 10;
constexpr int RightRoom = 14;
constexpr int CaptionRoom = 8;
// The frame's bevel: a caption rectangle narrower than two of them grows
// by one on each side.
constexpr int BevelWidth = 1;
constexpr unsigned CaptionFlags = DT_CENTER | DT_NOPREFIX;
const char* const DefaultCaptionSkin = "CHECKBOX";
const char* const BandLetter = "W";

int CaptionLeft(TsCaptionLayout layout, int width, int textWidth) {
    switch (layout) {
    case clTopCenter:
        return (width - textWidth - CenterRoom) / 2;
    case clTopRight:
        return width - textWidth - RightRoom;
    case clTopLeft:
        break;
    }
    return LeftIndent;
}

TColor ParentColorOf(const TWinControl& c) {
    return ColorToRGB(c.Parent()->Color());
}

} // namespace

TRect TsGroupBox::CaptionRect() {
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    canvas->SetFont(*Font());
    const int th = std::max(MinTextHeight, canvas->TextHeight(BandLetter)) + BandMargin;
    const int tw = canvas->TextWidth(Caption());
    TRect r;
    r.Top = 0;
    r.Bottom = th + FCaptionYOffset;
    r.Left = std::max(0, CaptionLeft(FCaptionLayout, Width(), tw));
    r.Right = std::min(r.Left + tw + CaptionRoom, Width());
    if (r.Width() < 2 * BevelWidth) {
        r.Left -= BevelWidth;
        r.Right += BevelWidth;
    }
    return r;
}

// The band behind the caption shows what the parent shows there.
void TsGroupBox::PaintCaptionBand(const TCacheInfo& parent, const TRect& caption) {
    TBitmap* cache = SkinData()->CacheBmp();
    if (parent.Ready && parent.Bitmap) {
        CopyRect(cache, {0, 0}, parent.Bitmap,
                 Bounds(parent.X + Left(), parent.Y + Top(), Width(), caption.Height()));
    } else if (Parent()) {
        TCanvas* canvas = cache->Canvas();
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(ParentColorOf(*this));
        canvas->FillRect(Rect(0, 0, Width(), caption.Bottom));
    }
}

void TsGroupBox::PaintBackground(const TCacheInfo& parent, TRegion*) {
    const TRect caption = CaptionRect();
    PaintCaptionBand(parent, caption);
    const int d = caption.Height() / 2;
    PaintSectionWithBorder(*SkinData(), psNormal, BorderFilling(), parent, SkinData()->CacheBmp(),
                           Rect(0, d, Width(), Height()), {Left(), Top() + d});
}

void TsGroupBox::PaintCaptionBackground(const TCacheInfo& parent, const TRect& caption) {
    TBitmap* cache = SkinData()->CacheBmp();
    const TPoint offset = {Left() + caption.Left, Top() + caption.Top};
    if (!FCaptionSkin.empty()) {
        const int state = Focused() ? psHot : psNormal;
        PaintSectionWithBorder(GetSkinIndex(FCaptionSkin), FCaptionSkin, state, true, parent, cache,
                               caption, offset);
    } else if (parent.Ready || !Parent()) {
        PaintSectionWithBorder(GetSkinIndex(DefaultCaptionSkin), DefaultCaptionSkin, psNormal, true,
                               parent, cache, caption, offset);
    } else {
        TCanvas* canvas = cache->Canvas();
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(ParentColorOf(*this));
        canvas->FillRect(caption);
    }
}

void TsGroupBox::PaintContent() {
    if (Caption().empty()) return;
    const TCacheInfo parent = SkinData()->GetParentCache();
    TRect caption = CaptionRect();
    PaintCaptionBackground(parent, caption);
    const std::string& section = FCaptionSkin.empty() ? DefaultCaptionSkin : FCaptionSkin;
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    canvas->SetFont(*Font());
    WriteSectionText(canvas, Caption(), true, false, GetSkinIndex(section), CaptionFlags, caption);
}
