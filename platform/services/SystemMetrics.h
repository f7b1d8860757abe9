#pragma once
// System metrics and the work area, with fixed values for everything but the
// screen. The framework draws its own plain window frame with these same
// numbers (DefaultSystemMetric is usable in constant expressions), and the
// skinned frame computes its borders from them, so both agree.
//
//  index  name              value  what
//      0  SM_CXSCREEN        host  screen width (1024 without a host)
//      1  SM_CYSCREEN        host  screen height (768 without a host)
//      2  SM_CXVSCROLL         16  width of a vertical scroll bar
//      3  SM_CYHSCROLL         16  height of a horizontal scroll bar
//      4  SM_CYCAPTION         19  caption height, one border line included
//      5  SM_CXBORDER           1  thin border
//      6  SM_CYBORDER           1
//      7  SM_CXDLGFRAME         3  frame of a fixed (single, dialog) window
//      8  SM_CYDLGFRAME         3
//     11  SM_CXICON            32  large icon
//     12  SM_CYICON            32
//     15  SM_CYMENU            19  menu bar height
//     16  SM_CXFULLSCREEN    host  work area width
//     17  SM_CYFULLSCREEN    host  work area height less the caption
//     20  SM_CYVSCROLL         16  arrow of a vertical scroll bar
//     21  SM_CXHSCROLL         16  arrow of a horizontal scroll bar
//     30  SM_CXSIZE            18  caption button
//     31  SM_CYSIZE            18
//     32  SM_CXFRAME            4  frame of a sizeable window
//     33  SM_CYFRAME            4
//     36  SM_CXDOUBLECLK        4  double-click rectangle
//     37  SM_CYDOUBLECLK        4
//     45  SM_CXEDGE             2  3-D edge
//     46  SM_CYEDGE             2
//     49  SM_CXSMICON          16  small icon
//     50  SM_CYSMICON          16
//     51  SM_CYSMCAPTION       15  caption of a tool window
//     54  SM_CXMENUSIZE        18  menu bar button
//     55  SM_CYMENUSIZE        18
//     68  SM_CXDRAG             4  distance before a drag starts
//     69  SM_CYDRAG             4
// Any other index gives 0, as Windows does for unknown indexes.

#include "platform/Types.h"

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXMENUSIZE = 54;
constexpr int SM_CYMENUSIZE = 55;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;

// The screen when no host is installed.
constexpr int DefaultScreenWidth = 1024;
constexpr int DefaultScreenHeight = 768;
constexpr int DefaultTaskBarHeight = 30;

// The fixed metrics of the table; 0 for the screen-dependent and unknown ones.
constexpr int DefaultSystemMetric(int index) {
    switch (index) {
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
        return 16;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
        return 18;
    case SM_CYCAPTION:
    case SM_CYMENU:
        return 19;
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}

int GetSystemMetrics(int index);

constexpr unsigned SPI_GETWORKAREA = 48;

// SPI_GETWORKAREA only: fills *param (a TRect) with the primary screen's work
// area and returns true; false for any other action.
bool SystemParametersInfoA(unsigned action, unsigned uiParam, void* param, unsigned winIni);
