#pragma once
// Section and mask indexes that painters of tabs, scroll bars and check boxes
// need often, resolved once after every load or removal (-1 = absent).

#include <cstdint>

// Positions in the four-entry rows.
enum TsSide { sdTop = 0, sdBottom = 1, sdLeft = 2, sdRight = 3 };
// Positions in the two-entry rows of scroll thumbs.
enum TsSliderKind { skVertical = 0, skHorizontal = 1 };
// Positions in the four-entry rows of scroll bar tracks.
enum TsScrollBarKind { sb1H = 0, sb1V = 1, sb2H = 2, sb2V = 3 };

struct TsCommonSkinIndexes {
    int16_t GlobalInfo = -1;

    int16_t Tabs[4] = {-1, -1, -1, -1}; // TABTOP, TABBOTTOM, TABLEFT, TABRIGHT
    int16_t TabBorders[4] = {-1, -1, -1, -1};

    int16_t ScrollBtns[4] = {-1, -1, -1, -1}; // SCROLLBTNTOP .. SCROLLBTNRIGHT
    int16_t ScrollBtnBorders[4] = {-1, -1, -1, -1};
    int16_t ScrollBtnPatterns[4] = {-1, -1, -1, -1};
    int16_t ScrollBtnHotPatterns[4] = {-1, -1, -1, -1};
    int16_t ScrollBtnGlyphs[4] = {-1, -1, -1, -1};

    int16_t ScrollSliders[2] = {-1, -1}; // SCROLLSLIDERV, SCROLLSLIDERH
    int16_t ScrollSliderBorders[2] = {-1, -1};
    int16_t ScrollSliderGlyphs[2] = {-1, -1};
    int16_t ScrollSliderHPattern = -1;
    int16_t ScrollSliderHHotPattern = -1;
    int16_t ScrollSliderVPattern = -1;
    int16_t ScrollSliderVHotPattern = -1;

    int16_t ScrollBars[4] = {-1, -1, -1, -1}; // SCROLLBAR1H, SCROLLBAR1V, SCROLLBAR2H, SCROLLBAR2V
    int16_t ScrollBarBorders[4] = {-1, -1, -1, -1};
    int16_t ScrollBarPatterns[4] = {-1, -1, -1, -1};
    int16_t ScrollBarHotPatterns[4] = {-1, -1, -1, -1};

    // Masks of GLOBALINFO.
    int16_t BoxChecked = -1;
    int16_t BoxUnchecked = -1;
    int16_t BoxGrayed = -1;
    int16_t RadioChecked = -1;
    int16_t RadioUnchecked = -1;
    int16_t RadioGrayed = -1;
    int16_t SmallChecked = -1;
    int16_t SmallUnchecked = -1;
    int16_t SmallGrayed = -1;
};

extern TsCommonSkinIndexes CommonSkinIndexes;

// Re-resolves every entry from the current skin arrays.
void UpdateCommonSkinIndexes();
