#include "skin/CommonSkinIndexes.h"

#include <string>

#include "skin/SkinState.h"

TsCommonSkinIndexes CommonSkinIndexes;

namespace {

int16_t Section(const char* name) {
    return static_cast<int16_t>(GetSkinIndex(name));
}

// Small patterns are stored as masks, so every entry here is a mask lookup.
int16_t Mask(int16_t section, const char* sectionName, const char* property) {
    if (section < 0) return -1;
    return static_cast<int16_t>(GetMaskIndex(section, sectionName, property));
}

template <size_t N> void Row(int16_t (&sections)[N], const char* const (&names)[N]) {
    for (size_t i = 0; i < N; ++i)
        sections[i] = Section(names[i]);
}

template <size_t N>
void MaskRow(int16_t (&masks)[N], const int16_t (&sections)[N], const char* const (&names)[N],
             const char* property) {
    for (size_t i = 0; i < N; ++i)
        masks[i] = Mask(sections[i], names[i], property);
}

const char* const TabNames[4] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
const char* const BtnNames[4] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT",
                                 "SCROLLBTNRIGHT"};
const char* const SliderNames[2] = {"SCROLLSLIDERV", "SCROLLSLIDERH"};
const char* const BarNames[4] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};

} // namespace

void UpdateCommonSkinIndexes() {
    TsCommonSkinIndexes& c = CommonSkinIndexes;
    c.GlobalInfo = Section("GLOBALINFO");

    Row(c.Tabs, TabNames);
    MaskRow(c.TabBorders, c.Tabs, TabNames, "BORDERSMASK");

    Row(c.ScrollBtns, BtnNames);
    MaskRow(c.ScrollBtnBorders, c.ScrollBtns, BtnNames, "BORDERSMASK");
    MaskRow(c.ScrollBtnPatterns, c.ScrollBtns, BtnNames, "PATTERN");
    MaskRow(c.ScrollBtnHotPatterns, c.ScrollBtns, BtnNames, "HOTPATTERN");
    MaskRow(c.ScrollBtnGlyphs, c.ScrollBtns, BtnNames, "GLYPHMASK");

    Row(c.ScrollSliders, SliderNames);
    MaskRow(c.ScrollSliderBorders, c.ScrollSliders, SliderNames, "BORDERSMASK");
    MaskRow(c.ScrollSliderGlyphs, c.ScrollSliders, SliderNames, "GLYPHMASK");
    const int16_t v = c.ScrollSliders[skVertical], h = c.ScrollSliders[skHorizontal];
    c.ScrollSliderHPattern = Mask(h, "SCROLLSLIDERH", "PATTERN");
    c.ScrollSliderHHotPattern = Mask(h, "SCROLLSLIDERH", "HOTPATTERN");
    c.ScrollSliderVPattern = Mask(v, "SCROLLSLIDERV", "PATTERN");
    c.ScrollSliderVHotPattern = Mask(v, "SCROLLSLIDERV", "HOTPATTERN");

    Row(c.ScrollBars, BarNames);
    MaskRow(c.ScrollBarBorders, c.ScrollBars, BarNames, "BORDERSMASK");
    MaskRow(c.ScrollBarPatterns, c.ScrollBars, BarNames, "PATTERN");
    MaskRow(c.ScrollBarHotPatterns, c.ScrollBars, BarNames, "HOTPATTERN");

    const int16_t g = c.GlobalInfo;
    c.BoxChecked = Mask(g, "GLOBALINFO", "BOXCHECKED");
    c.BoxUnchecked = Mask(g, "GLOBALINFO", "BOXUNCHECKED");
    c.BoxGrayed = Mask(g, "GLOBALINFO", "BOXGRAYED");
    c.RadioChecked = Mask(g, "GLOBALINFO", "RADIOCHECKED");
    c.RadioUnchecked = Mask(g, "GLOBALINFO", "RADIOUNCHECKED");
    c.RadioGrayed = Mask(g, "GLOBALINFO", "RADIOGRAYED");
    c.SmallChecked = Mask(g, "GLOBALINFO", "SMALLCHECKED");
    c.SmallUnchecked = Mask(g, "GLOBALINFO", "SMALLUNCHECKED");
    c.SmallGrayed = Mask(g, "GLOBALINFO", "SMALLGRAYED");
}
