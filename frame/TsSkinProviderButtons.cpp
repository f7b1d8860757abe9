// TsSkinProvider: the title buttons (their slots, pictures and single
// repaints), the hot and pressed button, hit testing, and the non-client
// mouse that presses them.

#include "controls/TsCommonData.h"
#include "frame/TsSkinProvider.h"
#include "framework/forms/TApplication.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/WinApi.h"
#include "paint/Blend.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

namespace {
constexpr int SmallButtonHeight = 16; // shorter buttons sit two pixels lower
constexpr int SmallButtonShift = 2;
} // namespace

// --- layout and pictures ------------------------------------------------------------------

void TsSkinProvider::PlaceButtons() {
    int slot = 0;
    const int bw = ButtonWidth(), bh = ButtonHeight();
    const int top = (CaptionHeight() - bh + SysBorderHeight()) / 2 +
                    (bh < SmallButtonHeight ? SmallButtonShift : 0);
    auto place = [&](TsTitleButtonRecord& b, bool present) {
        if (!present) {
            b.State = tbsAbsent;
            b.Rect = {};
            return;
        }
        ++slot;
        const int left = FormWidth() - SysBorderWidth() - (bw + 1) * slot;
        b.Rect = Rect(left, top, left + bw, top + bh);
        if (b.State < tbsNormal) b.State = tbsNormal;
    };
    place(ButtonClose, (FBorderIcons & biSystemMenu) && ButtonClose.ImageIndex >= 0);
    place(ButtonMax, MaxVisible());
    place(ButtonMin, MinVisible());
    place(ButtonHelp, HelpPresent());
    const int userMask = GetMaskIndex(FSkinData->SkinIndex, "FORM", "TITLEBUTTON");
    for (int i = 0; i < FTitleButtons->Count(); ++i) {
        TsTitleButton* u = FTitleButtons->Item(i);
        u->Data.ImageIndex = u->UseSkinData() ? userMask : -1;
        place(u->Data, userMask >= 0);
    }
    const int right = FormWidth() - SysBorderWidth();
    FStripRect = slot ? Rect(right - (bw + 1) * slot, top, right, top + bh) : TRect{};
}

// The picture a button shows: a maximised form's maximise button and a
// minimised form's minimise button offer the restore picture.
static int PictureOf(const TsSkinProvider& p, int code, const TsTitleButtonRecord& b) {
    const TWindowState ws = p.Form() ? p.Form()->WindowState() : wsNormal;
    const int norm = GetMaskIndex(p.SkinData()->SkinIndex, "FORM", "BICONNORM");
    if ((code == HTMAXBUTTON && ws == wsMaximized) || (code == HTMINBUTTON && ws == wsMinimized))
        return norm;
    if (code == HTMAXBUTTON && ws == wsMinimized)
        return GetMaskIndex(p.SkinData()->SkinIndex, "FORM", "BICONMAX");
    return b.ImageIndex;
}

void TsSkinProvider::DrawButton(TBitmap* bmp, int code, const TsTitleButtonRecord& b, bool opaque) {
    const int picture = PictureOf(*this, code, b);
    if (picture >= 0) DrawStateImage(bmp, {b.Rect.Left, b.Rect.Top}, b.State, picture, opaque);
    if (code < HTUSERBUTTON || code - HTUSERBUTTON >= FTitleButtons->Count()) return;
    const TBitmap* g = FTitleButtons->Item(code - HTUSERBUTTON)->Glyph();
    if (g->Empty()) return;
    const int shift = b.State == tbsPressed ? 1 : 0;
    const int x = b.Rect.Left + (ButtonWidth() - g->Width()) / 2 + shift;
    const int y = b.Rect.Top + (ButtonHeight() - g->Height()) / 2 + shift;
    BlendBitmapOnto(bmp, x, y, g->Pixel(0, g->Height() - 1), 1.0,
                    Rect(0, 0, g->Width() - 1, g->Height() - 1), g);
}

void TsSkinProvider::PaintButtons(TBitmap* bmp) {
    const TWindowState ws = FForm ? FForm->WindowState() : wsNormal;
    auto draw = [&](int code, const TsTitleButtonRecord& b, bool enabled) {
        if (b.State != tbsAbsent) DrawButton(bmp, code, b, FormActive && enabled);
    };
    draw(HTCLOSE, ButtonClose, true);
    draw(HTMAXBUTTON, ButtonMax, ws == wsMaximized ? RestoreEnabled() : MaxEnabled());
    draw(HTMINBUTTON, ButtonMin, ws == wsMinimized ? RestoreEnabled() : MinEnabled());
    draw(HTHELP, ButtonHelp, true);
    for (int i = 0; i < FTitleButtons->Count(); ++i) {
        TsTitleButton* u = FTitleButtons->Item(i);
        draw(HTUSERBUTTON + i, u->Data, u->Enabled());
    }
}

TsTitleButtonRecord* TsSkinProvider::ButtonOf(int code) {
    switch (code) {
    case HTCLOSE:
        return &ButtonClose;
    case HTMAXBUTTON:
        return &ButtonMax;
    case HTMINBUTTON:
        return &ButtonMin;
    case HTHELP:
        return &ButtonHelp;
    case HTCHILDCLOSE:
        return &ChildClose;
    case HTCHILDMAX:
        return &ChildMax;
    case HTCHILDMIN:
        return &ChildMin;
    default:
        if (code >= HTUSERBUTTON && code - HTUSERBUTTON < FTitleButtons->Count())
            return &FTitleButtons->Item(code - HTUSERBUTTON)->Data;
        return nullptr;
    }
}

void TsSkinProvider::RepaintButton(int code) {
    TsTitleButtonRecord* b = ButtonOf(code);
    if (!b || b->State == tbsAbsent || !FForm || !SkinActive()) return;
    if (b->Rect.Left <= SysBorderWidth() + IconWidth()) return;
    if (FSkinData->BGChanged) return RepaintFrame();
    FSkinData->PictureDrawn();
    TBitmap* bmp = FSkinData->CacheBmp();
    CopyRect(bmp, {b->Rect.Left, b->Rect.Top}, &FButtonStrip,
             b->Rect.Offset(-FStripRect.Left, -FStripRect.Top));
    DrawButton(bmp, code, *b, FormActive || b->State != tbsNormal);
    HDC dc = GetWindowDC(FForm->Handle());
    if (!dc) return;
    dc->IntersectClipRect(b->Rect);
    dc->BitBlt(b->Rect.Left, b->Rect.Top, b->Rect.Width(), b->Rect.Height(), *bmp, b->Rect.Left,
               b->Rect.Top);
    ReleaseDC(FForm->Handle(), dc);
}

// --- hot and pressed ---------------------------------------------------------------------

void TsSkinProvider::SetHot(int code) {
    if (code == HotCode) return;
    if (TsTitleButtonRecord* old = ButtonOf(HotCode); old && old->State > tbsNormal) {
        old->State = tbsNormal;
        RepaintButton(HotCode);
    }
    HotCode = code;
    if (TsTitleButtonRecord* b = ButtonOf(code); b && b->State != tbsAbsent) {
        b->State = tbsHot;
        RepaintButton(code);
    }
}

void TsSkinProvider::Press(int code) {
    SetHot(code);
    FPressedCode = code;
    if (TsTitleButtonRecord* b = ButtonOf(code); b && b->State != tbsAbsent) {
        b->State = tbsPressed;
        RepaintButton(code);
    }
    // The pressed look shows at once, before the release is awaited.
    if (Application) Application->ProcessMessages();
}

// --- hit testing --------------------------------------------------------------------------

int TsSkinProvider::SystemSlots() const {
    const bool minimised = FForm && FForm->WindowState() == wsMinimized;
    return (CloseVisible() ? 1 : 0) + (MaxVisible() ? 1 : 0) + (MinVisible() || minimised ? 1 : 0) +
           ((FBorderIcons & biHelp) ? 1 : 0);
}

int TsSkinProvider::SlotCode(int n) {
    const bool minimised = FForm && FForm->WindowState() == wsMinimized;
    const int s = SystemSlots();
    if (n > s) {
        const int i = n - s - 1;
        return FTitleButtons->Item(i)->Enabled() ? HTUSERBUTTON + i : HTCAPTION;
    }
    switch (n) {
    case 1:
        if (CloseVisible()) return HTCLOSE;
        [[fallthrough]];
    case 2:
        if (MaxVisible()) return MaxEnabled() || RestoreEnabled() ? HTMAXBUTTON : HTCAPTION;
        if (MinVisible() || minimised) return MinEnabled() ? HTMINBUTTON : HTCAPTION;
        return HTHELP;
    case 3:
        if (MinVisible() || minimised) return minimised || MinEnabled() ? HTMINBUTTON : HTCAPTION;
        return HTHELP;
    default:
        return HTHELP;
    }
}

int TsSkinProvider::HitTest(TPoint screen) {
    if (!FForm) return HTNOWHERE;
    const TRect wr = GetWindowRect(FForm->Handle());
    const TPoint p{screen.X - wr.Left, screen.Y - wr.Top};
    const int bandTop = (SysBorderHeight() + CaptionHeight() - ButtonHeight()) / 2;
    if (p.Y >= bandTop && p.Y <= bandTop + ButtonHeight()) {
        if (p.X >= SysBorderWidth() && p.X < SysBorderWidth() + IconWidth()) {
            SetHot(HTSYSMENU);
            return HTSYSMENU;
        }
        const int slots = SystemSlots() + FTitleButtons->Count();
        const int right = FormWidth() - SysBorderWidth();
        for (int n = 1; n <= slots; ++n) {
            if (p.X < right - (ButtonWidth() + 1) * n ||
                p.X > right - (ButtonWidth() + 1) * (n - 1))
                continue;
            const int code = SlotCode(n);
            SetHot(code);
            return code;
        }
        SetHot(HTCAPTION);
        return HTCAPTION;
    }
    const int grip = GetMaskIndex(FSkinData->SkinIndex, "FORM", "GRIPIMAGE");
    if (FGripMode == gmRightBottom && grip >= 0) {
        const TSize cell = CellSize(grip);
        if (p.X >= FormWidth() - SysBorderWidth() - cell.cx &&
            p.Y >= FormHeight() - SysBorderHeight() - cell.cy)
            return HTBOTTOMRIGHT;
    }
    SetHot(HTNOWHERE);
    return HTNOWHERE;
}
