#include "skin/SectionText.h"

#include "skin/SkinState.h"

TsTextColors SectionTextColors(int skinIndex, bool hot) {
    if (!IsValidSkinIndex(skinIndex)) return {};
    const TsGeneralData& s = SkinGeneralData[skinIndex];
    if (hot) return {s.HotFontColor, s.HotTCLeft, s.HotTCTop, s.HotTCRight, s.HotTCBottom};
    return {s.FontColor, s.TCLeft, s.TCTop, s.TCRight, s.TCBottom};
}

void WriteSectionText(TCanvas* canvas, const std::string& text, bool enabled, bool hot,
                      int skinIndex, unsigned flags, TRect& rect) {
    if (!canvas) return;
    TsTextLook look;
    look.Enabled = enabled;
    look.UseColors = IsValidSkinIndex(skinIndex);
    look.Colors = SectionTextColors(skinIndex, hot);
    WriteText(*canvas, text, look, flags, rect);
}
