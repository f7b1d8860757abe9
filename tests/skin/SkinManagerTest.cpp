#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/forms/TApplication.h"
#include "framework/forms/TCustomForm.h"
#include "framework/window/WinApi.h"
#include "skin/CommonSkinIndexes.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"
#include "tests/TempFolder.h"

namespace {

std::vector<std::string> gLog;

const char* CodeName(uint16_t code) {
    switch (code) {
    case SKC_SETNEWSKIN:
        return "new";
    case SKC_REMOVESKIN:
        return "remove";
    case SKC_REFRESH:
        return "refresh";
    default:
        return "other";
    }
}

// What a receiver saw: its name, the command, and the skin state at that moment.
void Record(const TComponent* who, const TMessage& m) {
    gLog.push_back(who->Name() + " " + CodeName(SkinCommandCode(m)) +
                   " table=" + std::to_string(CommonSkinIndexes.GlobalInfo) +
                   (SkinChanging ? " changing" : "") + (GlobalSkinData->SkinReady ? " ready" : ""));
}

class TLogForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    void WndProc(TMessage& m) override {
        if (IsSkinMessage(m) && SkinCommandCode(m) <= SKC_REFRESH) return Record(this, m);
        TCustomForm::WndProc(m);
    }
};

// A skinned container: forwards commands to its children itself.
class TSkinnedBox : public TWinControl {
public:
    TSkinnedBox(TComponent* owner, TWinControl* parent, std::string section)
        : TWinControl(owner), Section(std::move(section)) {
        SetParent(parent);
    }
    std::string Section;
    void WndProc(TMessage& m) override {
        if (!IsSkinMessage(m)) return TWinControl::WndProc(m);
        switch (SkinCommandCode(m)) {
        case SKC_SETNEWSKIN:
            BroadcastToChildren(this, m);
            Record(this, m);
            break;
        case SKC_REMOVESKIN:
        case SKC_REFRESH:
            Record(this, m);
            BroadcastToChildren(this, m);
            break;
        case SKC_ISSKINNED:
            m.LParam = 1;
            m.Result = 1;
            break;
        case SKC_GETBGCOLOR:
            AnswerBGColor(this, GetSkinIndex(Section));
            break;
        default:
            break;
        }
    }
};

class TSkinnedGraphic : public TControl {
public:
    TSkinnedGraphic(TComponent* owner, TWinControl* parent, std::string section)
        : TControl(owner), Section(std::move(section)) {
        SetParent(parent);
    }
    std::string Section;
    void WndProc(TMessage& m) override {
        if (!IsSkinMessage(m)) return TControl::WndProc(m);
        if (SkinCommandCode(m) <= SKC_REFRESH) Record(this, m);
        if (SkinCommandCode(m) == SKC_GETBGCOLOR) AnswerBGColor(this, GetSkinIndex(Section));
    }
};

template <class T, class... A> T* Make(const std::string& name, A&&... args) {
    T* c = new T(std::forward<A>(args)...);
    c->SetName(name);
    return c;
}

TsStoredSkin* AddSkin(TsSkinManager* m, const std::string& name,
                      const std::vector<std::pair<std::string, int>>& sections) {
    TsStoredSkin* s = m->InternalSkins()->Add();
    s->Name = name;
    for (const auto& [section, transparency] : sections) {
        TsSkinGeneral* g = s->GeneralData()->Add();
        g->SectionName = section;
        g->Transparency = transparency;
        g->Color = 0x112233 * static_cast<int>(s->GeneralData()->Count());
        g->GradientData = " ";
        g->HotGradientData = " ";
    }
    return s;
}

class SkinManager : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Application) new TApplication();
        gLog.clear();
        Form1 = Make<TLogForm>("Form1", Application);
        Box1 = Make<TSkinnedBox>("Box1", Form1, Form1, "BOX");
        Make<TSkinnedGraphic>("Label1", Form1, Box1, "LABEL");
        Plain = Make<TWinControl>("Plain", Form1);
        Plain->SetParent(Form1);
        Make<TSkinnedBox>("Box2", Form1, Plain, "HALF");
        Form2 = Make<TLogForm>("Form2", Application);
        Make<TSkinnedGraphic>("Label2", Form2, Form2, "LABEL");
        Manager = Make<TsSkinManager>("sSkinManager1", Form1);
        AddSkin(Manager, "First", {{"GLOBALINFO", 0}, {"BOX", 0}, {"LABEL", 100}, {"HALF", 50}});
        AddSkin(Manager, "Second", {{"BOX", 0}});
    }
    void TearDown() override {
        Form2->Free();
        Form1->Free();
        EXPECT_EQ(GlobalSkinData->DefaultManager, nullptr);
    }

    TLogForm* Form1 = nullptr;
    TLogForm* Form2 = nullptr;
    TSkinnedBox* Box1 = nullptr;
    TWinControl* Plain = nullptr;
    TsSkinManager* Manager = nullptr;
};

} // namespace

TEST_F(SkinManager, AnnouncesToEveryControlBeforeTheTableAndTheTableBeforeRefresh) {
    EXPECT_TRUE(Manager->IsDefault());
    Manager->OnBeforeChange = [](TObject*) { gLog.push_back("before"); };
    Manager->OnAfterChange = [](TObject*) { gLog.push_back("after"); };
    Manager->SetSkinName("First");
    // Label1 hears SETNEWSKIN before its container Box1 (containers forward
    // first); the plain child is passed over while Box2 inside it hears it.
    const std::vector<std::string> expected{"before",
                                            "Form1 new table=-1 changing",
                                            "Label1 new table=-1 changing",
                                            "Box1 new table=-1 changing",
                                            "Box2 new table=-1 changing",
                                            "Form2 new table=-1 changing",
                                            "Label2 new table=-1 changing",
                                            "Form1 refresh table=0 ready",
                                            "Box1 refresh table=0 ready",
                                            "Label1 refresh table=0 ready",
                                            "Box2 refresh table=0 ready",
                                            "Form2 refresh table=0 ready",
                                            "Label2 refresh table=0 ready",
                                            "after"};
    EXPECT_EQ(gLog, expected);
    EXPECT_EQ(SkinGeneralData.size(), 4u);
    EXPECT_TRUE(GlobalSkinData->SkinReady);
    EXPECT_EQ(Manager->GetDefaultColor(), 0x112233);
}

TEST_F(SkinManager, SecondManagerNeitherLoadsNorBroadcasts) {
    Manager->SetSkinName("First");
    gLog.clear();
    auto* second = Make<TsSkinManager>("sSkinManager2", Form2);
    AddSkin(second, "Other", {{"X", 0}});
    EXPECT_FALSE(second->IsDefault());
    second->SetSkinName("Nothing");
    EXPECT_EQ(second->SkinName(), "Nothing"); // only stored, no fallback
    EXPECT_TRUE(gLog.empty());
    EXPECT_EQ(SkinGeneralData.size(), 4u);
    second->Free();
    EXPECT_EQ(SkinGeneralData.size(), 4u);
    EXPECT_EQ(GlobalSkinData->DefaultManager, Manager);
}

TEST_F(SkinManager, UnknownNameFallsBackToTheFirstStoredSkin) {
    Manager->SetSkinName("Missing");
    EXPECT_EQ(Manager->SkinName(), "First");
    EXPECT_EQ(GetSkinIndex("HALF"), 3);
    Manager->SetSkinName("Second");
    EXPECT_EQ(SkinGeneralData.size(), 1u);
    Manager->SetSkinDirectory("x");
    Manager->SetSkinName("");
    EXPECT_EQ(Manager->SkinDirectory(), "");
    EXPECT_EQ(Manager->SkinName(), "First");
}

TEST_F(SkinManager, ActiveOffRemovesAndOnReapplies) {
    Manager->SetSkinName("First");
    gLog.clear();
    Manager->SetActive(false);
    EXPECT_EQ(gLog, (std::vector<std::string>{"Form1 remove table=0", "Box1 remove table=0",
                                              "Label1 remove table=0", "Box2 remove table=0",
                                              "Form2 remove table=0", "Label2 remove table=0"}));
    EXPECT_TRUE(SkinGeneralData.empty());
    EXPECT_EQ(CommonSkinIndexes.GlobalInfo, -1);
    EXPECT_FALSE(GlobalSkinData->SkinReady);
    gLog.clear();
    Manager->SetSkinName("Second"); // stored only while inactive
    EXPECT_TRUE(gLog.empty());
    Manager->SetActive(true);
    EXPECT_EQ(gLog.size(), 12u);
    EXPECT_EQ(SkinGeneralData.size(), 1u);
}

TEST_F(SkinManager, BackgroundColourThroughTransparentParents) {
    Manager->SetSkinName("First");
    Form1->SetColor(0x00ABCDEF);
    GetParentColor(Box1->Handle()); // BOX: opaque
    EXPECT_EQ(ParentColorValue, 0x112233 * 2);
    auto* label = static_cast<TControl*>(Form1->FindComponent("Label1"));
    ParentColorValue = clNoAnswer;
    label->Perform(SM_VESKACMD, SkinWParam(SKC_GETBGCOLOR)); // LABEL: clear, over BOX
    EXPECT_EQ(ParentColorValue, 0x112233 * 2);
    // HALF, half clear over a plain control that does not answer: its colour.
    Plain->SetColor(0x000000);
    auto* box2 = static_cast<TWinControl*>(Form1->FindComponent("Box2"));
    GetParentColor(box2->Handle());
    EXPECT_EQ(ParentColorValue, MixTransparentColor(0x112233 * 4, 0, 50));
    EXPECT_EQ(MixTransparentColor(0x0000FF, 0x00FF00, 50), 0x008080);
    EXPECT_EQ(MixTransparentColor(0x0000FF, 0x00FF00, 0), 0x0000FF);
    EXPECT_EQ(MixTransparentColor(0x0000FF, 0x00FF00, 100), 0x00FF00);
    Manager->SetActive(false); // unskinned: the control's own colour
    Box1->SetColor(0x0000FE);
    GetParentColor(Box1->Handle());
    EXPECT_EQ(ParentColorValue, 0x0000FE);
}

TEST_F(SkinManager, CommonSectionsAreAppendedWithParentValues) {
    Manager->SetSkinName("First");
    Manager->SetCommonSections({"; comment stays", "[MyButton]", "PARENTCLASS = box",
                                "TRANSPARENCY = 50", "GLYPHMASK=#(1, 2,3,4)(0,-1)",
                                "GRADIENTDATA=1;2;3;0;0"});
    ASSERT_EQ(SkinGeneralData.size(), 5u);
    const TsGeneralData& c = SkinGeneralData[4];
    EXPECT_EQ(c.SectionName, "MyButton");
    EXPECT_EQ(c.ParentClass, "BOX");
    EXPECT_EQ(c.Color, 0x112233 * 2);
    EXPECT_EQ(c.Transparency, 50);
    EXPECT_EQ(c.GradientArray.size(), 1u);
    EXPECT_EQ(Manager->CommonSections()->Strings(2), "PARENTCLASS=box");
    EXPECT_EQ(Manager->CommonSections()->Strings(0), "; comment stays");
    EXPECT_TRUE(SkinMasks.empty()); // the master bitmap is empty: no rectangle
    Manager->InternalSkins()->Items(0)->MasterBitmap()->Bitmap().SetSize(8, 8);
    Manager->SetSkinName("First");
    ASSERT_EQ(SkinMasks.size(), 1u);
    EXPECT_EQ(SkinMasks[0].R, Rect(1, 2, 3, 4));
    EXPECT_EQ(SkinMasks[0].ImageCount, 1);
    EXPECT_EQ(SkinMasks[0].MaskType, 0);
    EXPECT_EQ(GetMaskIndex(4, "MYBUTTON", "GLYPHMASK"), 0);
}

TEST_F(SkinManager, SkinDirectoriesAndFolders) {
    const std::string exe = ProgramFolder();
    ASSERT_EQ(exe.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(exe + "tests_skin"));
    const std::pair<const char*, std::string> cases[] = {
        {".\\Skins", exe + "Skins/"}, {"./Skins", exe + "Skins/"}, {"Skins\\", exe + "Skins/"},
        {"D:\\Skins", "D:/Skins/"},   {"c:\\Skins", "c:/Skins/"},  {"/srv/skins", "/srv/skins/"}};
    for (const auto& [dir, full] : cases) {
        Manager->SetSkinDirectory(dir);
        EXPECT_EQ(Manager->GetFullSkinDirectory(), full) << dir;
    }

    const TTempFolder scratch;
    const std::filesystem::path root = scratch.Path();
    for (const char* d : {"Zeta", ".hidden", "Alpha"})
        std::filesystem::create_directories(root / d);
    std::ofstream(root / "Zeta" / "Options.dat") << "[GLOBALINFO]\nVERSION=5\n";
    Manager->SetSkinDirectory(root.string());
    std::vector<std::string> names;
    EXPECT_EQ(Manager->GetSkinNames(names), "First");
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "First", "Second", "Zeta"}));

    Manager->SetSkinName("Zeta"); // a folder with Options.dat: no stored-skin fallback
    EXPECT_EQ(Manager->SkinName(), "Zeta");
    ASSERT_TRUE(GlobalSkinData->IniFile);
    EXPECT_EQ(GlobalSkinData->IniFile->ReadInteger("GlobalInfo", "version", 0), 5);
    EXPECT_EQ(GlobalSkinData->SkinPath, root.string() + "/Zeta/");
    Manager->SetSkinName("Alpha"); // no Options.dat: back to the first stored skin
    EXPECT_EQ(Manager->SkinName(), "First");
    EXPECT_FALSE(GlobalSkinData->IniFile);
    EXPECT_EQ(GlobalSkinData->SkinPath, "");
}
