#pragma once
// A world for skinned-control tests: a headless host and application, a
// form, and the launcher's own stored skin applied by a real skin manager.
// TsTestControl is a small skinned control on the common pipeline: it counts
// its renders, writes its caption as content and logs the skin commands it
// receives; with Container set it is a container.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <strings.h>
#include <utility>
#include <vector>

#include "controls/ControlKinds.h"
#include "controls/TsSkinnedControl.h"
#include "controls/WriteSkinText.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/component/TFormParser.h"
#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/forms/TMessageLoop.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "platform/CreateHost.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"

class TsTestControl : public TsSkinnedControl<TWinControl> {
public:
    explicit TsTestControl(TComponent* owner, int kind = ckButton, bool container = false)
        : TsSkinnedControl(owner, kind), Container(container) {
        SkinData()->Loaded();
    }
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo() {
        static const TClassInfo info =
            MakeClassInfo<TsTestControl>("TsTestControl", TWinControl::StaticClassInfo(),
                                         {ObjectProp("SkinData", &TsTestControl::SkinData),
                                          StrProp("Caption", &TControl::SetCaption)});
        return &info;
    }

    void WndProc(TMessage& m) override {
        if (IsSkinMessage(m)) Commands.emplace_back(SkinCommandCode(m), SkinCommandArgument(m));
        TsSkinnedControl::WndProc(m);
    }
    bool Saw(uint16_t code, uint16_t argument) const {
        for (const auto& c : Commands)
            if (c.first == code && c.second == argument) return true;
        return false;
    }

    int Renders = 0;
    bool Container = false;
    std::vector<std::pair<uint16_t, uint16_t>> Commands;

protected:
    void PaintContent() override {
        ++Renders;
        TRect r = Rect(0, 0, Width(), Height());
        WriteSkinText(SkinData()->CacheBmp()->Canvas(), Caption(), Enabled(),
                      SkinData()->ControlIsActive(), *SkinData(), DT_CENTER, r);
    }
    bool IsContainer() const override { return Container; }
};

// A windowless child that fills itself with one colour, and remembers what
// lay under it when it painted.
class TTestGraphic : public TControl {
public:
    TTestGraphic(TComponent* owner, TColor fill) : TControl(owner), Fill(fill) {}
    void WndProc(TMessage& m) override {
        if (m.Msg != WM_PAINT) return TControl::WndProc(m);
        HDC dc = WParamToDC(m.WParam);
        Under = dc->Pixel(0, 0);
        ++Paints;
        dc->Brush()->SetColor(Fill);
        dc->FillRect(Rect(0, 0, Width() / 2, Height()));
    }
    TColor Fill;
    TColor Under = 0;
    int Paints = 0;
};

// The launcher's stored skin, read once from its main-window definition.
inline const TsStoredSkin& LauncherSkin() {
    static const std::unique_ptr<TsStoredSkin> skin = [] {
        const std::string path = std::string(QUELM_SOURCE_DIR) + "/launcher/Unit1.dfm";
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        TObjectDefinition root = TFormParser::Parse(text.str(), path);
        TObjectDefinition holder;
        holder.Name = "Holder";
        holder.ClassName = "TComponent";
        for (const TObjectDefinition& child : root.Children)
            if (strcasecmp(child.ClassName.c_str(), "TsSkinManager") == 0)
                holder.Children.push_back(child);
        auto owner = std::make_unique<TComponent>(nullptr);
        TFormReader(owner.get(), path).Read(holder);
        auto* manager = dynamic_cast<TsSkinManager*>(owner->Components(0));
        auto copy = std::make_unique<TsStoredSkin>();
        copy->Assign(*manager->InternalSkins()->Find(manager->SkinName()));
        return copy;
    }();
    return *skin;
}

// Position and size of a test control in its parent.
struct TBox {
    int X, Y, W, H;
};

class SkinnedTest : public ::testing::Test {
protected:
    void SetUp() override {
        LauncherSkin();
        InstallHeadlessHost();
        TMessageLoop::Instance().Reset();
        FApp = std::make_unique<TApplication>();
        Form = new TForm(Application);
        Form->SetBounds(10, 10, 300, 200);
    }
    void TearDown() override {
        FApp.reset();
        TMessageLoop::Instance().Reset();
        EXPECT_EQ(GlobalSkinData->DefaultManager, nullptr);
    }
    // The launcher's skin through a manager on the form, announced to it.
    void ApplySkin() {
        Manager = new TsSkinManager(Form);
        TsStoredSkins skins;
        skins.Add()->Assign(LauncherSkin());
        Manager->SetInternalSkins(skins);
        Manager->SetSkinName(LauncherSkin().Name);
    }
    TsTestControl* Add(TWinControl* parent, TBox box, int kind = ckButton,
                       const std::string& section = "", bool container = false) {
        auto* c = new TsTestControl(Form, kind, container);
        c->SetParent(parent);
        c->SetBounds(box.X, box.Y, box.W, box.H);
        if (!section.empty()) c->SkinData()->SetSkinSection(section);
        return c;
    }
    void Show() {
        Form->Show();
        Pump();
    }
    void Pump() { Application->ProcessMessages(); }
    // The pixel of the control's (x, y) on the form's back buffer.
    TColor OnScreen(const TControl* c, int x, int y) {
        const TPoint o = c->OriginInForm();
        return Form->BackBuffer()->Pixel(o.X + x, o.Y + y);
    }

    std::unique_ptr<TApplication> FApp;
    TForm* Form = nullptr;
    TsSkinManager* Manager = nullptr;
};
