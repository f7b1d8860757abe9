// The skinned status bar's look: each panel's frame or divider and its
// shortened text, the owner-drawn panels, and the size grip.

#include <algorithm>

#include "controls/TsCommonData.h"
#include "controls/TsStatusBar.h"
#include "controls/WriteSkinText.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "paint/SkinText.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

namespace {

const char* const PanelMaskName = "STATUSPANELMASK";
const char* const DividerSection = "DIVIDER";
const char* const BorderMaskName = "BORDERSMASK";
const char* const GripMaskName = "GRIPIMAGE";
// The text sits inside the panel's frame with room left and right.
constexpr int TextLeftRoom = 2;
constexpr int TextRightRoom = 4;
constexpr int TextBottomRoom = 1;
constexpr unsigned TextFlags = DT_VCENTER | DT_EXPANDTABS | DT_SINGLELINE;

TRect Shrunk(const TRect& r, int by) {
    return Rect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by);
}

unsigned AlignmentFlag(TAlignment a) {
    if (a == taCenter) return DT_CENTER;
    if (a == taRightJustify) return DT_RIGHT;
    return DT_LEFT;
}

int OwnMask(const TsCommonData& data, const char* name) {
    if (!IsValidSkinIndex(data.SkinIndex)) return -1;
    return GetMaskIndex(data.SkinIndex, data.SkinSection(), name);
}

} // namespace

void TsStatusBar::PaintContent() {
    FRenderedKey = ContentKey();
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    if (SimplePanel()) {
        DrawPanel(canvas, Rect(0, 1, Width() - 1, Height() - 1), SimpleText(), taLeftJustify, true);
    } else {
        const int count = Panels()->Count();
        for (int i = 0; i < count; ++i) {
            TStatusPanel* panel = Panels()->Items(i);
            const TRect r = SkinPanelRect(i);
            if (panel->Style() == psOwnerDraw && OnDrawPanel)
                OnDrawPanel(this, panel, canvas, Shrunk(r, 1));
            else
                DrawPanel(canvas, r, panel->Text(), panel->Alignment(), i == count - 1);
        }
    }
    DrawGrip();
}

void TsStatusBar::DrawPanel(TCanvas* canvas, TRect r, const std::string& text, TAlignment alignment,
                            bool last) {
    TBitmap* cache = SkinData()->CacheBmp();
    const int panelMask = OwnMask(*SkinData(), PanelMaskName);
    if (panelMask >= 0)
        DrawBorderMask(cache, SimplePanel() ? Rect(0, 0, Width(), Height()) : r, true, psNormal,
                       panelMask, SkinData()->GetParentCache());
    else if (!last && !SimplePanel())
        DrawDivider(r);
    TRect t = Shrunk(r, 1);
    t.Left += TextLeftRoom;
    t.Right -= TextRightRoom;
    t.Bottom -= TextBottomRoom;
    canvas->SetFont(*Font());
    const std::string shown = CutText(*canvas, text, t.Width());
    WriteSkinText(canvas, shown, Enabled(), SkinData()->ControlIsActive(), *SkinData(),
                  TextFlags | AlignmentFlag(alignment), t);
}

// The divider section's border, as wide as its mask, at the panel's right.
void TsStatusBar::DrawDivider(const TRect& r) {
    const int section = GetSkinIndex(DividerSection);
    if (!IsValidSkinIndex(section)) return;
    const int mask = GetMaskIndex(section, DividerSection, BorderMaskName);
    if (mask < 0) return;
    const int w = CellSize(mask).cx;
    DrawBorderMask(SkinData()->CacheBmp(), Rect(r.Right - w, 1, r.Right, Height() - 2), true,
                   psNormal, mask, SkinData()->GetParentCache());
}

// The grip's bottom-right corner sits one pixel inside the bar's. A fixed-size
// window gets none, since the grip would promise a resize that never comes.
void TsStatusBar::DrawGrip() {
    if (!GripShown()) return;
    const int mask = OwnMask(*SkinData(), GripMaskName);
    if (mask < 0) return;
    const TSize size = CellSize(mask);
    DrawStateImage(SkinData()->CacheBmp(), {Width() - size.cx - 1, Height() - size.cy - 1},
                   psNormal, mask, false);
}
