#include "tools/SkinGenSections.h"

#include <string>

#include "skin/stored/TsStoredSkin.h"
#include "tools/SkinArtColors.h"

using namespace Palette;

namespace {

std::string N(TRgb c) {
    return std::to_string(ToColor(c));
}

// A vertical gradient in the two-group form: Top to Bottom, the last group empty.
std::string Vertical(TRgb top, TRgb bottom) {
    return N(top) + ";" + N(bottom) + ";100;0;0;" + N(bottom) + ";" + N(bottom) + ";0;0;0";
}
// A glossy vertical gradient: the upper part and the lower part meet with a step.
std::string Glossy(TRgb top, TRgb mid1, TRgb mid2, TRgb bottom, int upper) {
    return N(top) + ";" + N(mid1) + ";" + std::to_string(upper) + ";0;0;" + N(mid2) + ";" +
           N(bottom) + ";" + std::to_string(100 - upper) + ";0;0;" + N(bottom) + ";" + N(bottom) +
           ";0;0;0";
}
// A rounded look across: Edge to Centre and back, in the three-group form.
std::string Across(TRgb edge, TRgb centre) {
    return N(edge) + ";" + N(centre) + ";52;1;0;" + N(centre) + ";" + N(edge) + ";48;1;0;" +
           N(edge) + ";" + N(edge) + ";0;1;0";
}
std::string Text(TRgb c) {
    return N(c) + " -1 -1 -1 -1";
}

const std::string ButtonNormal = Glossy(ButtonTop, ButtonMid1, ButtonMid2, ButtonBottom, 48);
const std::string ButtonHot = Glossy(HotTop, HotMid1, HotMid2, HotBottom, 48);

class TSections {
public:
    explicit TSections(TsStoredSkin& skin) : FSkin(skin) {}

    // A new section as every section starts: the skin format's defaults (no
    // bevel, gradient, fading or shadow), in the window colour with dark text,
    // this skin's softer shadow settings and its border colours.
    TsSkinGeneral& Add(const char* name, const char* parent = "") {
        TsSkinGeneral& g = *FSkin.GeneralData()->Add();
        g.SetDefaults();
        g.SectionName = name;
        g.ParentClass = parent;
        g.Color = g.HotColor = ToColor(Window);
        g.ShadowBlur = 4;
        g.ShadowOffset = 2;
        g.ShadowTransparency = 60;
        g.FontColor = g.HotFontColor = Text(Ink);
        g.HotGradientData.assign(1, ' '); // " ": the default is empty
        g.BorderColor1 = ToColor(Border);
        g.BorderColor2 = ToColor(White);
        return g;
    }

private:
    TsStoredSkin& FSkin;
};

void Fill(TsSkinGeneral& g, TRgb color, const std::string& gradient = " ") {
    g.Color = g.HotColor = ToColor(color);
    g.GradientData = g.HotGradientData = gradient;
    g.GradientPercent = g.HotGradientPercent = gradient == " " ? 0 : 100;
}
void HotFill(TsSkinGeneral& g, TRgb color, const std::string& gradient = " ") {
    g.HotColor = ToColor(color);
    g.HotGradientData = gradient;
    g.HotGradientPercent = gradient == " " ? 0 : 100;
}
void SeeThrough(TsSkinGeneral& g) {
    g.Transparency = g.HotTransparency = 100;
}
void Fading(TsSkinGeneral& g) {
    g.FadingEnabled = true;
    g.FadingIntervalIn = 30;
    g.FadingIntervalOut = 5;
    g.FadingIterations = 5;
}

void AddWindowSections(TSections& s) {
    TsSkinGeneral& global = s.Add("GLOBALINFO");
    global.FontColor = global.HotFontColor = Text(Ink);

    // Hot is the active window throughout the frame sections.
    TsSkinGeneral& form = s.Add("FORM");
    Fill(form, FrameInactive);
    HotFill(form, FrameActive);

    TsSkinGeneral& title = s.Add("FORMTITLE");
    Fill(title, TitleMid1In, Glossy(TitleTopIn, TitleMid1In, TitleMid2In, TitleBottomIn, 50));
    HotFill(title, TitleMid1, Glossy(TitleTop, TitleMid1, TitleMid2, TitleBottom, 50));
    title.FontColor = Text(Rgb(72, 76, 108));
    title.HotFontColor = Text(Rgb(26, 36, 84));

    // Behind the title buttons the title shows through.
    TsSkinGeneral& titleBar = s.Add("TITLEBAR");
    Fill(titleBar, TitleMid1In);
    HotFill(titleBar, TitleMid1);
    SeeThrough(titleBar);

    Fill(s.Add("MENULINE"), Pale, Vertical(Light, Pale));
    Fill(s.Add("MDIAREA"), Rgb(150, 154, 190));

    TsSkinGeneral& dialog = s.Add("DIALOG", "FORM");
    Fill(dialog, Window);
    dialog.ReservedBoolean = true;
}

void AddButtonSections(TSections& s) {
    for (const char* name : {"BUTTON", "BUTTON_BIG"}) {
        TsSkinGeneral& b = s.Add(name, name[6] ? "BUTTON" : "");
        Fill(b, ButtonMid1, ButtonNormal);
        HotFill(b, HotMid1, ButtonHot);
        b.ShowFocus = true;
        Fading(b);
    }
}

void AddFieldSections(TSections& s) {
    TsSkinGeneral& edit = s.Add("EDIT");
    Fill(edit, Field);
    edit.BorderColor1 = ToColor(Rgb(128, 136, 182));
    Fill(s.Add("COMBOBOX", "EDIT"), Field);
    Fill(s.Add("MEMO", "EDIT"), Field);

    TsSkinGeneral& check = s.Add("CHECKBOX");
    SeeThrough(check);
    check.ShowFocus = true;
    TsSkinGeneral& radio = s.Add("RADIOBUTTON", "CHECKBOX");
    SeeThrough(radio);
    radio.ShowFocus = true;
}

void AddPanelSections(TSections& s) {
    Fill(s.Add("PANEL"), PanelTop, Vertical(PanelTop, PanelBottom));
    Fill(s.Add("PANEL_LOW"), Rgb(198, 200, 222));
    SeeThrough(s.Add("GROUPBOX"));
    Fill(s.Add("GAUGE"), FieldShade, Vertical(Pale, Light));
    Fill(s.Add("PROGRESSH"), ProgressMid1,
         Glossy(ProgressTop, ProgressMid1, ProgressMid2, ProgressBottom, 50));
    Fill(s.Add("PROGRESSV", "PROGRESSH"), ProgressMid1, Across(ProgressMid2, ProgressTop));

    TsSkinGeneral& track = s.Add("TRACKBAR");
    SeeThrough(track);
    Fading(track);

    Fill(s.Add("STATUSBAR"), Pale, Vertical(Rgb(232, 234, 248), Rgb(206, 209, 232)));
    SeeThrough(s.Add("DIVIDER"));

    TsSkinGeneral& link = s.Add("WEBBUTTON", "TOOLBUTTON");
    SeeThrough(link);
    link.FontColor = Text(Rgb(20, 56, 150));
    link.HotFontColor = Text(Rgb(110, 40, 0));
}

void AddBarSections(TSections& s) {
    Fill(s.Add("TOOLBAR"), Pale, Vertical(Light, Rgb(210, 214, 238)));
    for (const char* name : {"TOOLBUTTON", "SPEEDBUTTON"}) {
        TsSkinGeneral& b = s.Add(name, name[0] == 'S' ? "TOOLBUTTON" : "");
        SeeThrough(b);
        HotFill(b, HotMid1, ButtonHot);
        b.HotTransparency = 0;
        b.ShowFocus = true;
    }
    SeeThrough(s.Add("SPLITTER"));
    Fill(s.Add("DRAGBAR", "TOOLBAR"), Pale, Vertical(Light, Rgb(210, 214, 238)));
    Fill(s.Add("BAR", "PANEL"), PanelTop, Vertical(PanelTop, PanelBottom));
    TsSkinGeneral& barTitle = s.Add("BARTITLE");
    Fill(barTitle, TitleMid1In, Glossy(TitleTopIn, TitleMid1In, TitleMid2In, TitleBottomIn, 50));
    HotFill(barTitle, TitleMid1, Glossy(TitleTop, TitleMid1, TitleMid2, TitleBottom, 50));
    barTitle.HotFontColor = Text(Rgb(26, 36, 84));
}

void AddTabSections(TSections& s) {
    Fill(s.Add("TABSHEET", "PAGECONTROL"), Light, Vertical(Light, Pale));
    SeeThrough(s.Add("PAGECONTROL"));
    SeeThrough(s.Add("TABCONTROL", "PAGECONTROL"));
    // The chosen tab (hot look) is the brightest, so it joins its sheet.
    for (const char* name : {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"}) {
        TsSkinGeneral& t = s.Add(name);
        const bool across = name[3] == 'L' || name[3] == 'R';
        Fill(t, Pale,
             across ? Across(Rgb(214, 218, 240), Light) : Vertical(Light, Rgb(214, 218, 240)));
        HotFill(t, Light, across ? Across(White, Light) : Vertical(White, Light));
    }
}

void AddScrollSections(TSections& s) {
    for (const char* name :
         {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"}) {
        TsSkinGeneral& b = s.Add(name);
        Fill(b, ButtonMid1, ButtonNormal);
        HotFill(b, HotMid1, ButtonHot);
    }
    TsSkinGeneral& v = s.Add("SCROLLSLIDERV");
    Fill(v, ButtonMid1, Across(ButtonMid2, ButtonTop));
    HotFill(v, HotMid1, Across(HotMid2, HotTop));
    TsSkinGeneral& h = s.Add("SCROLLSLIDERH");
    Fill(h, ButtonMid1, ButtonNormal);
    HotFill(h, HotMid1, ButtonHot);
    for (const char* name : {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"}) {
        const bool upright = name[10] == 'V';
        TsSkinGeneral& b = s.Add(name);
        Fill(b, Pale, upright ? Across(Pale, Light) : Vertical(Pale, Light));
        HotFill(b, Light, upright ? Across(Light, White) : Vertical(Light, White));
    }
}

void AddMenuSections(TSections& s) {
    TsSkinGeneral& item = s.Add("MENUITEM");
    SeeThrough(item);
    HotFill(item, HotMid1, Vertical(HotTop, HotMid2));
    item.HotTransparency = 0;
    Fill(s.Add("MAINMENU"), Light);
    Fill(s.Add("SELECTION"), HotMid1, Vertical(HotTop, HotMid2));
    Fill(s.Add("HINT"), Light, Vertical(White, Pale));
    TsSkinGeneral& header = s.Add("COLHEADER");
    Fill(header, Light, Vertical(White, Pale));
    HotFill(header, HotTop, Vertical(White, HotMid1));
    TsSkinGeneral& updown = s.Add("UPDOWN");
    Fill(updown, ButtonMid1, ButtonNormal);
    HotFill(updown, HotMid1, ButtonHot);
    SeeThrough(s.Add("TRANSPARENT"));
}

} // namespace

void AddSkinSections(TsStoredSkin& skin) {
    TSections s(skin);
    AddWindowSections(s);
    AddButtonSections(s);
    AddFieldSections(s);
    AddPanelSections(s);
    AddBarSections(s);
    AddTabSections(s);
    AddScrollSections(s);
    AddMenuSections(s);
}
