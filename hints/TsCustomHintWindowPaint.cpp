// TsCustomHintWindow: the hint's picture (shadow, body through its shape,
// text) and the window's paint from it.

#include "framework/component/SysUtils.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TCanvas.h"
#include "hints/HintPaint.h"
#include "hints/TsCustomHintWindow.h"
#include "hints/TsHintManager.h"
#include "hints/TsHtml.h"
#include "paint/Blend.h"

namespace {
constexpr unsigned kTextFlags = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
constexpr uint32_t kWhite = 0xFFFFFF;
} // namespace

void TsCustomHintWindow::PaintPicture(TsHintManager& manager) {
    const TsHintLook& look = manager.HintKind()->Look();
    const TSize size = FGeometry.Size;
    FGeometry.ShadowRoom = look.ShadowRoom();
    FGeometry.Radius = look.Radius;
    TBitmap* picture = manager.Picture();
    picture->SetSize(size.cx, size.cy);
    CopyRect(picture, {0, 0}, &FBelow, {0, 0, size.cx, size.cy});
    if (look.Shadow.Enabled) PaintShadow(picture, look);

    TBitmap body(size.cx, size.cy, picture->Scale());
    CopyRect(&body, {0, 0}, &FBelow, {0, 0, size.cx, size.cy});
    PaintBody(&body, manager);
    BodyOverScreen(&body, &FBelow, FGeometry.Body(), manager.HintKind()->Look().Transparency);

    FMask.SetSize(size.cx, size.cy);
    FMask.Pixels().Fill(kWhite);
    const int level = ShapeLevel(look);
    PaintShapeRings(
        &FMask, [this](TBitmap* m, const TsShapeRing& r) { PaintShape(m, r); }, look.Blur, level);
    MixThroughMask(picture, &body, &FMask, level);
    PaintText(picture, manager);
}

void TsCustomHintWindow::PaintBody(TBitmap* body, TsHintManager& manager) {
    const TsGradArray gradient = Gradient(manager);
    FillHintBody(body, FGeometry.Body(), manager.HintKind()->Look(), gradient,
                 manager.HintKind()->Texture());
}

void TsCustomHintWindow::PaintShadow(TBitmap* picture, const TsHintLook& look) {
    TBitmap mask(picture->Width(), picture->Height(), picture->Scale());
    mask.Pixels().Fill(kWhite);
    const int offset = look.Shadow.Offset;
    PaintShapeRings(&mask, [this](TBitmap* m, const TsShapeRing& r) { PaintShape(m, r); },
                    look.Shadow.Blur, ShadowLevel(look), {offset, offset});
    DarkenByMask(picture, &mask, look.Shadow.Color);
}

void TsCustomHintWindow::PaintText(TBitmap* picture, TsHintManager& manager) {
    const TsHintLook& look = manager.HintKind()->Look();
    const TRect shape = FGeometry.Shape();
    const int dx = look.BevelWidth + look.MarginH + FGeometry.Extra.cx / 2;
    const int dy = look.MarginV + look.BevelWidth + FGeometry.Extra.cy / 2;
    TRect r{shape.Left + dx, shape.Top + dy, shape.Right - dx, shape.Bottom - dy};
    TCanvas* canvas = picture->Canvas();
    canvas->SetFont(*manager.HintKind()->Font());
    canvas->Brush()->SetStyle(bsClear);
    if (!manager.HTMLMode()) {
        canvas->DrawText(Caption(), r, kTextFlags);
        return;
    }
    TsHtml html;
    html.Prepare(picture, Caption(), r);
    TRect out;
    try {
        html.Render(out);
    } catch (const EConvertError&) {
        // What was drawn before the bad SIZE stays; the rest of the text is left out.
    }
}

void TsCustomHintWindow::Paint() {
    TsHintManager* manager = TsHintManager::Active();
    TCanvas* canvas = Canvas();
    if (!manager || manager->Picture()->Width() != Width() ||
        manager->Picture()->Height() != Height()) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(ClientRect());
        return;
    }
    canvas->Draw(0, 0, *manager->Picture());
}
