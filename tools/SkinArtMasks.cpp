// Which section uses which piece of the art, and as what. Several sections
// share a piece where their borders look alike.

#include "tools/SkinArt.h"

namespace {

TMaskUse Border(const char* section, const char* piece, int borderWidth = 0) {
    return {section, "BORDERSMASK", piece, borderWidth};
}
TMaskUse Use(const char* section, const char* property, const char* piece) {
    return {section, property, piece};
}

// The window frame, its title and the buttons of a maximised child.
std::vector<TMaskUse> FrameUses() {
    return {
        Border("FORM", "FORM"),
        Use("FORM", "GRIPIMAGE", "GRIP"),
        Use("FORM", "BICONCLOSE", "BICONCLOSE"),
        Use("FORM", "BICONMAX", "BICONMAX"),
        Use("FORM", "BICONMIN", "BICONMIN"),
        Use("FORM", "BICONNORM", "BICONNORM"),
        Use("FORM", "BICONHELP", "BICONHELP"),
        Use("FORM", "TITLEBUTTON", "TITLEBUTTON"),
        Border("FORMTITLE", "FORMTITLE"),
        // The buttons of a maximised child window sit on the menu line.
        Border("MENULINE", "TOOLBAR"),
        Use("MENULINE", "BICONCLOSE", "SMALLCLOSE"),
        Use("MENULINE", "BICONNORM", "SMALLNORM"),
        Use("MENULINE", "BICONMIN", "SMALLMIN"),
    };
}

// Check boxes and radio buttons.
std::vector<TMaskUse> GlyphUses() {
    return {
        Use("GLOBALINFO", "BOXCHECKED", "BOXCHECKED"),
        Use("GLOBALINFO", "BOXUNCHECKED", "BOXUNCHECKED"),
        Use("GLOBALINFO", "BOXGRAYED", "BOXGRAYED"),
        Use("GLOBALINFO", "RADIOCHECKED", "RADIOCHECKED"),
        Use("GLOBALINFO", "RADIOUNCHECKED", "RADIOUNCHECKED"),
        Use("GLOBALINFO", "SMALLCHECKED", "SMALLCHECKED"),
        Use("GLOBALINFO", "SMALLUNCHECKED", "SMALLUNCHECKED"),
    };
}

// Buttons, edits, panels, group boxes, gauges, track bars, the status bar.
std::vector<TMaskUse> ControlUses() {
    return {
        Border("BUTTON", "BUTTON"),
        Border("BUTTON_BIG", "BUTTON_BIG"),
        Border("EDIT", "EDIT", 1),
        Use("COMBOBOX", "GLYPHMASK", "COMBOGLYPH"),
        Border("PANEL", "PANEL"),
        Border("PANEL_LOW", "PANEL_LOW"),
        Border("GROUPBOX", "GROUPBOX"),
        // The gauge's frame is the outer ring of the normal button.
        {"GAUGE", "BORDERSMASK", "BUTTON", 1, 0, true},
        Border("PROGRESSH", "PROGRESS"),
        Border("PROGRESSV", "PROGRESS"),
        Use("TRACKBAR", "SLIDERMASK", "SLIDERMASK"),
        Use("TRACKBAR", "SLIDERVMASK", "SLIDERVMASK"),
        Use("TRACKBAR", "SLIDERCHANNEL", "SLIDERCHANNEL"),
        Border("STATUSBAR", "STATUSBAR"),
        Use("STATUSBAR", "GRIPIMAGE", "GRIP"),
        Border("DIVIDER", "DIVIDER"),
    };
}

// Tool bars and their buttons, dock bars.
std::vector<TMaskUse> BarUses() {
    return {
        Border("WEBBUTTON", "TOOLBUTTON"),      Border("TOOLBAR", "TOOLBAR"),
        Use("TOOLBAR", "GRIPIMAGE", "BARGRIP"), Border("TOOLBUTTON", "TOOLBUTTON"),
        Border("SPEEDBUTTON", "TOOLBUTTON"),    Border("DRAGBAR", "TOOLBAR"),
        Use("DRAGBAR", "GRIPIMAGE", "BARGRIP"), Border("BAR", "PANEL"),
        Border("BARTITLE", "BARTITLE"),         Use("BARTITLE", "BICONCLOSE", "SMALLCLOSE"),
    };
}

// Page controls and their tabs.
std::vector<TMaskUse> TabUses() {
    return {
        Border("TABSHEET", "PAGECONTROL"),   Border("PAGECONTROL", "PAGECONTROL"),
        Border("TABCONTROL", "PAGECONTROL"), Border("TABTOP", "TABTOP"),
        Border("TABBOTTOM", "TABBOTTOM"),    Border("TABLEFT", "TABLEFT"),
        Border("TABRIGHT", "TABRIGHT"),
    };
}

// Scroll bars: buttons with their arrows, sliders, tracks.
std::vector<TMaskUse> ScrollUses() {
    return {
        Border("SCROLLBTNTOP", "SCROLLBTN"),     Use("SCROLLBTNTOP", "GLYPHMASK", "ARROWUP"),
        Border("SCROLLBTNBOTTOM", "SCROLLBTN"),  Use("SCROLLBTNBOTTOM", "GLYPHMASK", "ARROWDOWN"),
        Border("SCROLLBTNLEFT", "SCROLLBTN"),    Use("SCROLLBTNLEFT", "GLYPHMASK", "ARROWLEFT"),
        Border("SCROLLBTNRIGHT", "SCROLLBTN"),   Use("SCROLLBTNRIGHT", "GLYPHMASK", "ARROWRIGHT"),
        Border("SCROLLSLIDERV", "SCROLLSLIDER"), Use("SCROLLSLIDERV", "GLYPHMASK", "GRIPV"),
        Border("SCROLLSLIDERH", "SCROLLSLIDER"), Use("SCROLLSLIDERH", "GLYPHMASK", "GRIPH"),
        Border("SCROLLBAR1H", "SCROLLBAR"),      Border("SCROLLBAR1V", "SCROLLBAR"),
        Border("SCROLLBAR2H", "SCROLLBAR"),      Border("SCROLLBAR2V", "SCROLLBAR"),
    };
}

// Menus, selections, column headers and up-down buttons.
std::vector<TMaskUse> MenuUses() {
    return {
        Border("MENUITEM", "MENUITEM"),
        Border("MAINMENU", "EDIT", 1),
        {"SELECTION", "BORDERSMASK", "MENUITEM", 0, 1, false},
        Border("COLHEADER", "COLHEADER"),
        Border("UPDOWN", "SCROLLBTN"),
        Use("UPDOWN", "GLYPHMASK", "ARROWUP"),
    };
}

} // namespace

// The generated skin lists its masks in this order, so it stays as it is.
std::vector<TMaskUse> SkinMaskUses() {
    std::vector<TMaskUse> uses;
    for (auto part : {FrameUses, GlyphUses, ControlUses, BarUses, TabUses, ScrollUses, MenuUses}) {
        std::vector<TMaskUse> more = part();
        uses.insert(uses.end(), more.begin(), more.end());
    }
    return uses;
}
