#include "controls/WriteSkinText.h"

#include "controls/TsCommonData.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/TControl.h"
#include "paint/SkinText.h"
#include "skin/SectionText.h"
#include "skin/SkinState.h"

namespace {
const char* const WebButtonSection = "WEBBUTTON";
}

void WriteSkinText(TCanvas* canvas, const std::string& text, bool enabled, bool hot,
                   const TsCommonData& data, unsigned flags, TRect& rect) {
    if (!canvas) return;
    if (const TControl* owner = data.OwnerControl()) canvas->SetFont(*owner->Font());
    if (hot && UpperSkinName(data.SkinSection()) == WebButtonSection)
        canvas->Font()->SetStyle(canvas->Font()->Style() | fsUnderline);
    TsTextLook look;
    look.Enabled = enabled;
    look.UseColors = IsValidSkinIndex(data.SkinIndex) && !data.CustomFont();
    look.Colors = SectionTextColors(data.SkinIndex, hot);
    WriteText(*canvas, text, look, flags, rect);
}
