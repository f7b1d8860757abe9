// The common skin data: sections and indexes, the answers to every skin
// command, the hot test and the dependence on the parent's background.

#include <gtest/gtest.h>

#include "SkinnedFixture.h"
#include "framework/component/TClassRegistry.h"
#include "framework/window/WinApi.h"

namespace {

class CommonData : public SkinnedTest {
protected:
    intptr_t Send(TControl* c, uint16_t code, uint16_t argument = 0, intptr_t lparam = 0) {
        return PerformCommand(c, code, argument, lparam);
    }
};

} // namespace

TEST_F(CommonData, DefaultSectionsByKindWithTheClassNameForOthers) {
    ApplySkin();
    const std::pair<int, const char*> cases[] = {
        {ckEdit, "EDIT"},
        {11, "COMBOBOX"},
        {ckCheckBox, "CHECKBOX"},
        {ckPanel, "PANEL"},
        {52, "PANEL_LOW"},
        {ckGroupBox, "GROUPBOX"},
        {226, "GROUPBOX"},
        {ckButton, "BUTTON"},
        {ckBitBtn, "BUTTON"},
        {ckStatusBar, "STATUSBAR"},
        {ckGauge, "GAUGE"},
        {ckTrackBar, "TRACKBAR"},
        {227, "EDIT"},
        {0, "TsTestControl"},
        {ckFormProvider, "TsTestControl"},
        {300, "TsTestControl"},
        {-1, "TsTestControl"},
    };
    for (const auto& [kind, section] : cases) {
        TsTestControl* c = Add(Form, {0, 0, 10, 10}, kind);
        EXPECT_EQ(c->SkinData()->SkinSection(), section) << "kind " << kind;
        EXPECT_EQ(c->SkinData()->SkinIndex, GetSkinIndex(section)) << "kind " << kind;
    }
    TsTestControl* unknown = Add(Form, {0, 0, 10, 10});
    unknown->SkinData()->SetSkinSection("");
    EXPECT_EQ(unknown->SkinData()->SkinSection(), "UNKNOWN");
    EXPECT_EQ(unknown->SkinData()->SkinIndex, -1);
    EXPECT_FALSE(unknown->SkinData()->Skinned());
}

TEST_F(CommonData, SectionAndFlagsStreamFromAFormDefinition) {
    ApplySkin();
    RegisterClass(TsTestControl::StaticClassInfo());
    ReadComponentResource(Form,
                          "object Form1: TForm\n"
                          "  object C1: TsTestControl\n"
                          "    SkinData.SkinSection = 'panel'\n"
                          "    SkinData.CustomFont = True\n"
                          "    SkinData.CustomColor = True\n"
                          "  end\n"
                          "end\n",
                          "Test.dfm");
    auto* c = dynamic_cast<TsTestControl*>(Form->FindComponent("C1"));
    ASSERT_NE(c, nullptr);
    const TsCommonData& d = *c->SkinData();
    EXPECT_EQ(d.SkinSection(), "panel");
    EXPECT_EQ(d.SkinIndex, GetSkinIndex("PANEL"));
    EXPECT_EQ(d.BorderIndex, GetMaskIndex(d.SkinIndex, "PANEL", "BORDERSMASK"));
    EXPECT_TRUE(d.CustomFont());
    EXPECT_TRUE(d.CustomColor());
}

TEST_F(CommonData, IndexesFollowEverySkinChange) {
    TsTestControl* c = Add(Form, {5, 5, 75, 25});
    TsCommonData& d = *c->SkinData();
    EXPECT_EQ(d.SkinIndex, -1); // no skin yet
    ApplySkin();
    const int button = GetSkinIndex("BUTTON");
    ASSERT_GE(button, 0);
    EXPECT_EQ(d.SkinIndex, button);
    EXPECT_GE(d.BorderIndex, 0);
    EXPECT_EQ(d.BorderIndex, GetMaskIndex(button, "BUTTON", "BORDERSMASK"));
    EXPECT_FALSE(d.Updating);
    EXPECT_TRUE(d.BGChanged);
    EXPECT_TRUE(d.Skinned());

    // Another skin with BUTTON elsewhere and without masks.
    TsStoredSkin* other = Manager->InternalSkins()->Add();
    other->Name = "Other";
    for (const char* name : {"GLOBALINFO", "BUTTON"}) {
        TsSkinGeneral* g = other->GeneralData()->Add();
        g->SectionName = name;
        g->GradientData = g->HotGradientData = " ";
    }
    Manager->SetSkinName("Other");
    EXPECT_EQ(d.SkinIndex, 1);
    EXPECT_EQ(d.BorderIndex, -1);
}

TEST_F(CommonData, EveryCommandOfTheTable) {
    ApplySkin();
    TsTestControl* c = Add(Form, {5, 5, 75, 25});
    c->SetName("sButton1");
    TsTestControl* clear = Add(Form, {5, 40, 75, 25}, ckPanel, "GROUPBOX");
    TsCommonData& d = *c->SkinData();
    Show();

    // 1 and 3: the new skin suspends painting until the refresh.
    d.SkinIndex = d.BorderIndex = -1;
    Send(c, SKC_SETNEWSKIN);
    EXPECT_TRUE(d.Updating);
    EXPECT_EQ(d.SkinIndex, GetSkinIndex("BUTTON"));
    EXPECT_GE(d.BorderIndex, 0);
    // The refresh marks the cache stale and repaints: a fresh render.
    d.BGChanged = false;
    const int renders = c->Renders;
    Send(c, SKC_REFRESH);
    EXPECT_FALSE(d.Updating);
    EXPECT_EQ(c->Renders, renders + 1);

    // 5: the cache itself, at 0, 0.
    CacheInfo = TCacheInfo{};
    SendCommand(c->Handle(), SKC_GETCACHE);
    EXPECT_TRUE(CacheInfo.Ready);
    EXPECT_EQ(CacheInfo.Bitmap, d.CacheBmp());
    EXPECT_EQ(CacheInfo.X, 0);
    TsCommonData bare(nullptr, false);
    TMessage m{SM_VESKACMD, SkinWParam(SKC_GETCACHE), 0, 0};
    bare.HandleCommand(m);
    EXPECT_FALSE(CacheInfo.Ready);

    EXPECT_TRUE(AskCommand(c, SKC_ISSKINNED)); // 7
    Send(c, SKC_SETUPDATING, 1);               // 8
    EXPECT_TRUE(d.Updating);
    Send(c, SKC_SETUPDATING, 2);
    EXPECT_FALSE(d.Updating);
    Send(c, SKC_SETFROZEN, 1); // 9
    EXPECT_TRUE(d.Frozen);
    Send(c, SKC_SETFROZEN, 0);
    EXPECT_FALSE(d.Frozen);

    // 10: stale or updating says 1.
    d.BGChanged = false;
    EXPECT_EQ(Send(c, SKC_ISUPDATING), 0);
    d.BGChanged = true;
    EXPECT_EQ(Send(c, SKC_ISUPDATING), 1);
    d.BGChanged = false;
    d.BeginUpdate();
    EXPECT_EQ(Send(c, SKC_ISUPDATING), 1);
    d.EndUpdate();

    d.HalfVisible = true; // 11
    EXPECT_TRUE(AskCommand(c, SKC_ISHALFVISIBLE));
    d.HalfVisible = false;
    EXPECT_FALSE(AskCommand(c, SKC_ISHALFVISIBLE));

    // 12: only a see-through section with argument 1 goes stale.
    clear->SkinData()->BGChanged = d.BGChanged = false;
    Send(c, SKC_PARENTBGCHANGED, 1);
    Send(clear, SKC_PARENTBGCHANGED, 0);
    EXPECT_FALSE(d.BGChanged);
    EXPECT_FALSE(clear->SkinData()->BGChanged);
    Send(clear, SKC_PARENTBGCHANGED, 1);
    EXPECT_TRUE(clear->SkinData()->BGChanged);

    // 13: the changed section, compared in upper case, invalidates (and the
    // named control hears 18 from itself).
    d.BGChanged = false;
    ChangedSkinSection = "PANEL";
    Send(c, SKC_SECTIONCHANGED);
    EXPECT_FALSE(d.BGChanged);
    ChangedSkinSection = "button";
    c->Commands.clear();
    Send(c, SKC_SECTIONCHANGED);
    ChangedSkinSection.clear();
    EXPECT_TRUE(d.BGChanged);
    EXPECT_FALSE(c->UpdateRegion().IsEmpty());
    EXPECT_TRUE(c->Saw(SKC_INVALIDATED, 0));

    Send(c, SKC_SETLINKEDOBJECT, 0, reinterpret_cast<intptr_t>(Form)); // 15
    EXPECT_EQ(d.LinkedObject, Form);
    Send(c, SKC_SETBGCHANGED, 0); // 17
    EXPECT_FALSE(d.BGChanged);
    Send(c, SKC_SETBGCHANGED, 1);
    EXPECT_TRUE(d.BGChanged);

    // 19: a gradient section is complex; a see-through one on a plain form is not.
    EXPECT_TRUE(AskCommand(c, SKC_HASCOMPLEXBG));
    EXPECT_FALSE(AskCommand(clear, SKC_HASCOMPLEXBG));

    // 21: an opaque section answers its colour.
    GetParentColor(c->Handle());
    EXPECT_EQ(ParentColorValue, SkinGeneralData[d.SkinIndex].Color);

    // Codes that mean nothing change nothing.
    d.BGChanged = false;
    const TsSkinFlags before = d;
    for (uint16_t code : {0, 14, 22, 500}) {
        TMessage n{SM_VESKACMD, SkinWParam(code, 1), 7, 0};
        EXPECT_FALSE(d.HandleWindowMessage(n));
        EXPECT_EQ(n.LParam, 7);
        EXPECT_EQ(n.Result, 0);
    }
    EXPECT_EQ(d.BGChanged, before.BGChanged);
    EXPECT_EQ(d.Updating, before.Updating);
    EXPECT_EQ(d.Frozen, before.Frozen);
}

TEST_F(CommonData, OnlyTheQuestionsAreMarkedHandled) {
    ApplySkin();
    TsTestControl* c = Add(Form, {5, 5, 75, 25});
    for (uint16_t code = 1; code <= 21; ++code) {
        if (code == SKC_REMOVESKIN) continue; // would drop the skin of the control
        TMessage m{SM_VESKACMD, SkinWParam(code), 0, 0};
        const bool handled = c->SkinData()->HandleWindowMessage(m);
        const bool question = code == SKC_ISSKINNED || code == SKC_ISUPDATING ||
                              code == SKC_ISHALFVISIBLE || code == SKC_HASCOMPLEXBG ||
                              code == SKC_GETBGCOLOR;
        EXPECT_EQ(handled, question) << "code " << code;
    }
}

TEST_F(CommonData, CommandsReachATransparentControlThroughItsContainer) {
    ApplySkin();
    TsTestControl* panel = Add(Form, {10, 10, 200, 120}, ckPanel, "PANEL", true);
    TsTestControl* clear = Add(panel, {10, 10, 80, 40}, ckPanel, "GROUPBOX");
    // 19 and 21 through a gradient, opaque container.
    EXPECT_TRUE(AskCommand(clear, SKC_HASCOMPLEXBG));
    GetParentColor(clear->Handle());
    EXPECT_EQ(ParentColorValue, SkinGeneralData[GetSkinIndex("PANEL")].Color);
}

TEST_F(CommonData, APanelIsHotWhenFocusedButNeverByTheMouse) {
    ApplySkin();
    TsTestControl* panel = Add(Form, {10, 10, 100, 60}, ckPanel);
    TsTestControl* button = Add(Form, {10, 80, 75, 25}, ckButton);
    TsTestControl* odd = Add(Form, {100, 80, 75, 25}, 300, "BUTTON");
    Show();
    for (TsTestControl* c : {panel, button, odd})
        c->Perform(CM_MOUSEENTER);
    EXPECT_FALSE(panel->SkinData()->MouseAbove);
    EXPECT_FALSE(panel->SkinData()->ControlIsActive());
    EXPECT_TRUE(button->SkinData()->ControlIsActive());
    EXPECT_TRUE(odd->SkinData()->ControlIsActive()); // beyond 255: in no set
    // The change of look repaints with a fresh cache.
    const int renders = button->Renders;
    EXPECT_TRUE(button->SkinData()->BGChanged);
    EXPECT_FALSE(button->UpdateRegion().IsEmpty());
    Pump();
    EXPECT_EQ(button->Renders, renders + 1);
    button->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(button->SkinData()->ControlIsActive());

    panel->SetTabStop(true);
    panel->SetFocus();
    Pump();
    EXPECT_TRUE(panel->SkinData()->Focused);
    EXPECT_TRUE(panel->SkinData()->ControlIsActive());
    button->SetFocus();
    Pump();
    EXPECT_FALSE(panel->SkinData()->Focused);

    // Disabled controls are never hot; the enabled change forgets mouse and focus.
    odd->SetEnabled(false);
    EXPECT_FALSE(odd->SkinData()->MouseAbove);
    EXPECT_FALSE(odd->SkinData()->ControlIsActive());
}

TEST_F(CommonData, DependsOnTheParentOnlyWhereTheParentShows) {
    ApplySkin();
    TsTestControl* panel = Add(Form, {10, 10, 200, 120}, ckPanel, "PANEL", true);
    TsTestControl* clearInPanel = Add(panel, {10, 10, 80, 40}, ckPanel, "GROUPBOX");
    TsTestControl* opaqueInPanel = Add(panel, {10, 60, 80, 40}, ckPanel, "PANEL_LOW");
    TsTestControl* clearOnForm = Add(Form, {220, 10, 60, 40}, ckPanel, "GROUPBOX");
    TsTestControl* none = Add(Form, {220, 60, 60, 40}, ckPanel, "NOSUCHSECTION");
    EXPECT_TRUE(clearInPanel->SkinData()->DependsOnParent());
    EXPECT_FALSE(opaqueInPanel->SkinData()->DependsOnParent());
    EXPECT_FALSE(clearOnForm->SkinData()->DependsOnParent()); // the plain form has no picture
    EXPECT_FALSE(none->SkinData()->DependsOnParent());
    opaqueInPanel->SetEnabled(false);
    EXPECT_TRUE(opaqueInPanel->SkinData()->DependsOnParent());
    none->SkinData()->Frozen = true;
    EXPECT_TRUE(none->SkinData()->DependsOnParent());
    clearOnForm->SetVisible(false);
    EXPECT_TRUE(clearOnForm->SkinData()->DependsOnParent());
    TsCommonData ownerless(nullptr, true);
    EXPECT_TRUE(ownerless.DependsOnParent());
}
