#include "controls/SkinControlPaint.h"

#include <optional>

#include "controls/TsCommonData.h"
#include "framework/graphics/Graphics.h"
#include "framework/window/TWinControl.h"
#include "paint/ParentColors.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

void PaintSection(const TsCommonData& data, int state, const TCacheInfo& parent, TBitmap* target,
                  TRect rect, TPoint offset) {
    if (!IsValidSkinIndex(data.SkinIndex)) return;
    TsSectionLook look = SkinSectionLook(data.SkinIndex, data.SkinSection(), state > 0, true);
    if (data.CustomColor() && data.OwnerControl()) {
        const TColor own = ColorToRGB(data.OwnerControl()->Color());
        if (own != clSeeThrough) look.Color = own;
    }
    PaintSectionLook(look, parent, target, rect, offset, true);
}

void PaintSectionWithBorder(const TsCommonData& data, int state, bool filling,
                            const TCacheInfo& parent, TBitmap* target, TRect rect, TPoint offset) {
    if (!IsValidSkinIndex(data.SkinIndex)) return;
    // Without the parent's picture the parent's plain colour stands in for it.
    std::optional<TParentColorGuard> guard;
    const TControl* owner = data.OwnerControl();
    if (!parent.Ready && owner && owner->Parent())
        guard.emplace(ColorToRGB(owner->Parent()->Color()));
    PaintSection(data, state, parent, target, rect, offset);
    DrawBorderMask(target, rect, filling, state, data.BorderIndex, parent);
}
