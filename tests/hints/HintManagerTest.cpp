// The hint manager: presets applied when its definition has been read,
// the window class it installs for each style, and what it gives back to
// the application when it goes.

#include "tests/hints/HintFixture.h"

#include "framework/component/TClassRegistry.h"
#include "hints/TsBalloonHintWindow.h"
#include "hints/TsComicsHintWindow.h"
#include "hints/TsSimplyHintWindow.h"

namespace {

class HintManager : public HintFixture {
protected:
    template <class W> bool Installs() {
        THintWindow* w = App->HintWindowClass()(nullptr);
        const bool is = dynamic_cast<W*>(w) != nullptr;
        delete w;
        return is;
    }
};

} // namespace

TEST_F(HintManager, APresetTakesEffectWhenTheDefinitionIsRead) {
    RegisterClass(TsHintManager::StaticClassInfo());
    Read(R"(object Form1: TForm
  object sHintManager1: TsHintManager
    HintKind.Style = hsSimply
    HintKind.Radius = 3
    HintKind.ExOffset = 9
    HintKind.Font.Style = [fsBold]
    Predefinitions = shComicsGradient
  end
end
)");
    auto* m = dynamic_cast<TsHintManager*>(Form->FindComponent("sHintManager1"));
    ASSERT_NE(m, nullptr);
    const TsHintLook& look = m->HintKind()->Look();
    EXPECT_EQ(look.Style, hsComics);
    EXPECT_EQ(look.Radius, 25);
    EXPECT_EQ(look.ExOffset, 24);
    EXPECT_EQ(look.MaxWidth, 180);
    EXPECT_EQ(look.Color, 12778748);
    EXPECT_EQ(look.ColorBorderBottom, 8388608);
    EXPECT_EQ(look.Shadow.Transparency, 28);
    EXPECT_EQ(m->HintKind()->GradientData(), "16753188;16777215;99;0;0;16777215;16777215;0;0;0");
    EXPECT_EQ(m->HintKind()->Font()->Style(), 0u);
    EXPECT_EQ(TsHintManager::Active(), m);
    EXPECT_TRUE(Installs<TsComicsHintWindow>());

    // A preset that leaves ExOffset and Radius alone, and the custom one that changes nothing.
    m->ApplyPredefinition(shSimply);
    EXPECT_EQ(look.ExOffset, 24);
    EXPECT_EQ(look.Color, clInfoBk);
    EXPECT_TRUE(m->HintKind()->GradientData().empty());
    EXPECT_TRUE(Installs<TsSimplyHintWindow>());
    m->ApplyPredefinition(shCustom);
    EXPECT_EQ(look.Style, hsSimply);
}

TEST_F(HintManager, EachStyleItsWindowAndTheManagerGivesAllBackWhenItGoes) {
    Manager->HintKind()->SetStyle(hsBalloon);
    EXPECT_TRUE(Installs<TsBalloonHintWindow>());
    EXPECT_EQ(TsHintManager::Active(), Manager);
    Manager->HintKind()->SetStyle(hsStandard);
    EXPECT_FALSE(Installs<TsCustomHintWindow>());
    EXPECT_EQ(TsHintManager::Active(), nullptr);

    // The user's show-hint event runs under the manager's and may change the text.
    Manager->HintKind()->SetStyle(hsEllipse);
    Manager->OnShowHint = [](std::string& s, bool&, THintInfo&) { s = "changed"; };
    TsCustomHintWindow* w = ShowHint();
    ASSERT_TRUE(w && w->Visible());
    EXPECT_EQ(w->Caption(), "changed");

    Manager->Free();
    EXPECT_EQ(TsHintManager::Active(), nullptr);
    EXPECT_FALSE(App->OnShowHint);
    EXPECT_FALSE(Installs<TsCustomHintWindow>());
    Move(Target, 150, 5);
    Advance(500);
    ASSERT_NE(App->HintWindow(), nullptr);
    EXPECT_EQ(App->HintWindow()->Caption(), "OK");
}

TEST_F(HintManager, OfTwoManagersTheNewestSpeaksWhicheverGoesFirst) {
    bool appAsked = false;
    Manager->Free();
    App->OnShowHint = [&appAsked](std::string&, bool&, THintInfo&) { appAsked = true; };
    auto* first = new TsHintManager(Form);
    first->HintKind()->SetStyle(hsSimply);
    auto* second = new TsHintManager(Form);
    second->HintKind()->SetStyle(hsComics);
    std::string seen;
    second->OnShowHint = [&seen](std::string& s, bool&, THintInfo&) { seen = s; };
    first->Free();
    EXPECT_EQ(TsHintManager::Active(), second);
    EXPECT_TRUE(Installs<TsComicsHintWindow>());
    TsCustomHintWindow* w = ShowHint();
    ASSERT_TRUE(w && w->Visible());
    EXPECT_EQ(seen, "OK");
    second->Free();
    EXPECT_FALSE(Installs<TsCustomHintWindow>());
    ASSERT_TRUE(App->OnShowHint);
    Move(Target, 150, 5);
    Advance(500);
    EXPECT_TRUE(appAsked);
}
