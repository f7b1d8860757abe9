#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "framework/component/EReadError.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/component/TFormReader.h"
#include "framework/graphics/Graphics.h"

namespace {

std::vector<std::string> gLog; // Loaded and destructor calls, in order

class TTestFont : public TPersistent {
public:
    int Height = 0;
    std::string Name;
    TColor Color = 0;
    unsigned Style = 0;
    const TClassInfo* ClassInfo() const override {
        static const TClassInfo info = MakeClassInfo<TTestFont>(
            "TTestFont", nullptr,
            {IntProp("Height", &TTestFont::Height), StrProp("Name", &TTestFont::Name),
             ColorProp("Color", &TTestFont::Color),
             SetProp("Style", &TTestFont::Style, {"fsBold", "fsItalic", "fsUnderline"})});
        return &info;
    }
};

class TTestStrings : public TPersistent {
public:
    std::vector<std::string> Lines;
    void Clear() { Lines.clear(); }
    void Add(const std::string& s) { Lines.push_back(s); }
    TTestStrings* Self() { return this; }
    const TClassInfo* ClassInfo() const override {
        static const TClassInfo info = MakeClassInfo<TTestStrings>(
            "TTestStrings", nullptr, {StringsProp("Strings", &TTestStrings::Self)});
        return &info;
    }
};

class TTestControl;

class TTestItem : public TPersistent {
public:
    int Width = 0;
    std::string Text;
    TTestFont Font;
    TTestControl* Link = nullptr;
    TTestFont* GetFont() { return &Font; }
    const TClassInfo* ClassInfo() const override {
        static const TClassInfo info = MakeClassInfo<TTestItem>(
            "TTestItem", nullptr,
            {IntProp("Width", &TTestItem::Width), StrProp("Text", &TTestItem::Text),
             ObjectProp("Font", &TTestItem::GetFont), ComponentRefProp("Link", &TTestItem::Link)});
        return &info;
    }
};

class TTestItems {
public:
    std::vector<std::unique_ptr<TTestItem>> Items;
    void Clear() { Items.clear(); }
    TTestItem* Add() { return Items.emplace_back(std::make_unique<TTestItem>()).get(); }
};

enum TTestAlign { alNone, alTop, alClient };

class TTestControl : public TComponent {
public:
    explicit TTestControl(TComponent* owner) : TComponent(owner) {}
    ~TTestControl() override { gLog.push_back("~" + Name()); }

    int Left = 0;
    int64_t Big = 0;
    uint8_t Small = 0;
    int Cursor = 0;
    double Ratio = 0;
    std::string Caption;
    bool Enabled = true;
    TTestAlign Align = alNone;
    TColor Color = 0;
    TNotifyEvent OnClick;
    TTestControl* Buddy = nullptr;
    std::vector<std::string> Lines;
    std::vector<uint8_t> Data;
    TTestFont FontObj;
    TTestStrings ItemsObj;
    TTestItems PanelsObj;
    TComponent* ParentComp = nullptr;
    bool LoadingInLoaded = false;

    void SetLeft(int v) { Left = v; }
    void SetCaption(const std::string& s) { Caption = s; }
    void SetThrowing(int) { throw std::runtime_error("setter refused"); }
    TTestFont* Font() { return &FontObj; }
    TTestStrings* Items() { return &ItemsObj; }
    TTestItems* Panels() { return &PanelsObj; }
    TTestFont* NoFont() { return nullptr; }

    void SetParentComponent(TComponent* parent) override { ParentComp = parent; }
    void Loaded() override {
        LoadingInLoaded = IsLoading();
        gLog.push_back("Loaded " + Name());
        TComponent::Loaded();
    }

    static const TClassInfo* StaticClassInfo() {
        static const TClassInfo info = MakeClassInfo<TTestControl>(
            "TTestControl", TComponent::StaticClassInfo(),
            {IntProp<TTestControl>("Left", &TTestControl::SetLeft),
             IntProp("Big", &TTestControl::Big), IntProp("Small", &TTestControl::Small),
             IntProp("Cursor", &TTestControl::Cursor, {{"crDefault", 0}, {"crHandPoint", -21}}),
             FloatProp("Ratio", &TTestControl::Ratio),
             StrProp("Caption", &TTestControl::SetCaption),
             BoolProp("Enabled", &TTestControl::Enabled),
             EnumProp("Align", &TTestControl::Align, {"alNone", "alTop", "alClient"}),
             ColorProp("Color", &TTestControl::Color), EventProp("OnClick", &TTestControl::OnClick),
             ComponentRefProp("Buddy", &TTestControl::Buddy),
             StringsProp("Lines", &TTestControl::Lines), BinaryProp("Data", &TTestControl::Data),
             ObjectProp("Font", &TTestControl::Font), ObjectProp("Items", &TTestControl::Items),
             CollectionProp("Panels", &TTestControl::Panels),
             ObjectProp("NoFont", &TTestControl::NoFont),
             IntProp("Throwing", &TTestControl::SetThrowing),
             Prop<TTestControl>("Custom", [](TTestControl& c, const TValue& v, TReadContext& ctx) {
                 if (v.Kind != TValueKind::vkInteger) ctx.Fail("integer expected");
                 c.Left = static_cast<int>(v.Int);
             })});
        return &info;
    }
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
};

class TTestPanel : public TTestControl {
public:
    using TTestControl::TTestControl;
    static const TClassInfo* StaticClassInfo() {
        static const TClassInfo info =
            MakeClassInfo<TTestPanel>("TTestPanel", TTestControl::StaticClassInfo());
        return &info;
    }
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
};

// Fails where a test asks it to: in its constructor, when placed, or in Loaded.
class TTestFragile : public TTestControl {
public:
    static inline const char* FailIn = "";
    explicit TTestFragile(TComponent* owner) : TTestControl(owner) {
        if (std::string(FailIn) == "create") throw std::runtime_error("no resources");
    }
    void SetParentComponent(TComponent* parent) override {
        if (std::string(FailIn) == "place") throw std::runtime_error("not a container");
        TTestControl::SetParentComponent(parent);
    }
    void Loaded() override {
        TTestControl::Loaded();
        if (std::string(FailIn) == "loaded") throw std::runtime_error("skin missing");
    }
    static const TClassInfo* StaticClassInfo() {
        static const TClassInfo info =
            MakeClassInfo<TTestFragile>("TTestFragile", TTestControl::StaticClassInfo());
        return &info;
    }
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
};

class TTestForm : public TTestControl {
public:
    TTestForm() : TTestControl(nullptr) {}
    int Clicks = 0;
    TObject* LastSender = nullptr;
    void Button1Click(TObject* sender) {
        ++Clicks;
        LastSender = sender;
    }
    static const TClassInfo* StaticClassInfo() {
        static const TClassInfo info =
            MakeClassInfo<TTestForm>("TTestForm", TTestControl::StaticClassInfo(), {},
                                     {Method("Button1Click", &TTestForm::Button1Click)});
        return &info;
    }
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
};

class FormReader : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterClass(TTestControl::StaticClassInfo());
        RegisterClass(TTestPanel::StaticClassInfo());
        RegisterClass(TTestFragile::StaticClassInfo());
        TTestFragile::FailIn = "";
        gLog.clear();
    }
    void Read(const std::string& body) {
        ReadComponentResource(&Form, "object Form1: TTestForm\n" + body + "end\n", "Unit1.dfm");
    }
    TTestControl* Child(const char* name) {
        return static_cast<TTestControl*>(Form.FindComponent(name));
    }
    TTestForm Form;
};

TEST_F(FormReader, ScalarValues) {
    Read("  Left = -12\n  Big = $7FFFFFFFFFFFFFFF\n  Small = $FF\n  Ratio = 1.5e2\n"
         "  Cursor = crHandPoint\n  Caption = 'It''s'\n  Enabled = false\n  Align = alClient\n"
         "  Color = $00FF8000\n  Font.Color = clBtnFace\n");
    EXPECT_EQ(Form.Name(), "Form1");
    EXPECT_EQ(Form.Left, -12);
    EXPECT_EQ(Form.Big, INT64_MAX);
    EXPECT_EQ(Form.Small, 255);
    EXPECT_EQ(Form.Ratio, 150.0);
    EXPECT_EQ(Form.Cursor, -21);
    EXPECT_EQ(Form.Caption, "It's");
    EXPECT_FALSE(Form.Enabled);
    EXPECT_EQ(Form.Align, alClient);
    EXPECT_EQ(Form.Color, 0x00FF8000);
    EXPECT_EQ(Form.FontObj.Color, clBtnFace);
}

TEST_F(FormReader, StringsJoinCodesAndContinue) {
    Read("  Caption = \n    'Op'#231#245'es'#13#10'x' +\n    '''' + #$20AC#55357#56832\n");
    EXPECT_EQ(Form.Caption, "Op\xC3\xA7\xC3\xB5"
                            "es\r\nx'\xE2\x82\xAC\xF0\x9F\x98\x80");
    Form.Caption.clear();
    ReadComponentResource(&Form, "object Form1: TTestForm Caption = 'ação' end", "u.dfm");
    EXPECT_EQ(Form.Caption, "ação");
}

TEST_F(FormReader, SetsListsBinaryAndSubObjects) {
    Read("  Font.Height = -11\n  Font.Name = 'Tahoma'\n  Font.Style = [fsBold, fsUnderline]\n"
         "  Font.Color = -16777201\n  Items.Strings = (\n    '640x480'\n    'a' 'b' + 'c'\n    12 "
         "x)\n"
         "  Lines = ()\n  Data = {\n    0aFF\n    1\r\n 0Bc\t 0d }\n");
    EXPECT_EQ(Form.FontObj.Height, -11);
    EXPECT_EQ(Form.FontObj.Name, "Tahoma");
    EXPECT_EQ(Form.FontObj.Style, 5u);
    EXPECT_EQ(Form.FontObj.Color, static_cast<TColor>(0xFF00000F));
    EXPECT_EQ(Form.ItemsObj.Lines, (std::vector<std::string>{"640x480", "a", "bc", "12", "x"}));
    EXPECT_TRUE(Form.Lines.empty());
    // Digits pair across white space and line ends, in either case.
    EXPECT_EQ(Form.Data, (std::vector<uint8_t>{0x0A, 0xFF, 0x10, 0xBC, 0x0D}));
}

TEST_F(FormReader, CollectionsWithNestedPathsAndReferences) {
    Form.PanelsObj.Add()->Width = 99; // replaced by the definition
    Read("  Panels = <\n    item\n      Width = 145\n      Font.Height = 3\n      Link = B\n    "
         "end\n"
         "    item [1]\n    end>\n  object B: TTestControl\n  end\n");
    ASSERT_EQ(Form.PanelsObj.Items.size(), 2u);
    EXPECT_EQ(Form.PanelsObj.Items[0]->Width, 145);
    EXPECT_EQ(Form.PanelsObj.Items[0]->Font.Height, 3);
    EXPECT_EQ(Form.PanelsObj.Items[0]->Link, Child("B"));
    EXPECT_EQ(Form.PanelsObj.Items[1]->Width, 0);
}

TEST_F(FormReader, NestedObjectsParentsEventsFixupsAndLoadedOrder) {
    Read("  Buddy = Button1\n  object Panel1: TTestPanel\n    Left = 8\n"
         "    object Button1: TTestControl\n      Buddy = Form1\n      OnClick = button1click\n    "
         "end\n"
         "  end\n  inline Label1: TTestControl\n    Buddy = nil\n  end\n");
    TTestControl* panel = Child("Panel1");
    TTestControl* button = Child("Button1");
    ASSERT_TRUE(panel && button && Child("Label1"));
    EXPECT_EQ(panel->ClassInfo(), TTestPanel::StaticClassInfo());
    EXPECT_EQ(panel->Owner(), &Form);
    EXPECT_EQ(button->Owner(), &Form);
    EXPECT_EQ(panel->ParentComp, &Form);
    EXPECT_EQ(button->ParentComp, panel);
    EXPECT_EQ(Form.Buddy, button);
    EXPECT_EQ(button->Buddy, &Form);
    EXPECT_EQ(gLog, (std::vector<std::string>{"Loaded Form1", "Loaded Panel1", "Loaded Button1",
                                              "Loaded Label1"}));
    for (TTestControl* c : {static_cast<TTestControl*>(&Form), panel, button}) {
        EXPECT_TRUE(c->LoadingInLoaded);
        EXPECT_FALSE(c->IsLoading());
    }
    ASSERT_TRUE(button->OnClick);
    button->OnClick(button);
    EXPECT_EQ(Form.Clicks, 1);
    EXPECT_EQ(Form.LastSender, button);
}

TEST_F(FormReader, InheritedBlockUpdatesExistingComponent) {
    auto* existing = new TTestControl(&Form);
    existing->SetName("Edit1");
    Read("  inherited Edit1: TTestControl\n    Left = 5\n  end\n");
    EXPECT_EQ(Form.ComponentCount(), 1);
    EXPECT_EQ(existing->Left, 5);
}

struct TErrorCase {
    const char* Text;
    const char* Message;
};

TEST_F(FormReader, ErrorsNameFileLineAndWhatIsWrong) {
    const TErrorCase cases[] = {
        {"object Form1: TTestForm\n  Foo = 1\nend",
         "Unit1.dfm(2): Unknown property 'Foo' of TTestForm"},
        {"object Form1: TTestForm\n object B: TTestControl\n  Font.Foo = 1\n end\nend",
         "Unit1.dfm(3): Unknown property 'Font.Foo' of TTestControl"},
        {"object Form1: TTestForm\n\n  object X: TNoSuch\n  end\nend",
         "Unit1.dfm(3): Unknown class 'TNoSuch'"},
        {"object Form1: TOther\nend", "Unit1.dfm(1): Root class 'TOther' does not match TTestForm"},
        {"object Form1: TTestForm\n Left = 'x'\nend",
         "Unit1.dfm(2): Invalid value for property 'Left' of TTestForm: expected an integer"},
        {"object Form1: TTestForm\n Small = 256\nend",
         "Unit1.dfm(2): Value 256 out of range for property 'Small' of TTestForm"},
        {"object Form1: TTestForm\n Align = alLeft\nend",
         "Unit1.dfm(2): Invalid value 'alLeft' for property 'Align' of TTestForm"},
        {"object Form1: TTestForm\n Font.Style = [fsBold, fsStrike]\nend",
         "Unit1.dfm(2): Invalid set member 'fsStrike' for property 'Font.Style' of TTestForm"},
        {"object Form1: TTestForm\n Color = clNoSuch\nend",
         "Unit1.dfm(2): Unknown colour 'clNoSuch' for property 'Color' of TTestForm"},
        {"object Form1: TTestForm\n OnClick = Missing\nend",
         "Unit1.dfm(2): Unknown method 'Missing' of TTestForm for property 'OnClick' of TTestForm"},
        {"object Form1: TTestForm\n object A: TTestControl\n  Buddy = Nobody\n end\nend",
         "Unit1.dfm(3): Unknown component 'Nobody' for property 'Buddy' of TTestControl"},
        {"object Form1: TTestForm\n Throwing = 1\nend",
         "Unit1.dfm(2): Error setting property 'Throwing' of TTestForm: setter refused"},
        {"object Form1: TTestForm\n Custom = x\nend",
         "Unit1.dfm(2): integer expected (property 'Custom' of TTestForm)"},
        {"object Form1: TTestForm\n NoFont.Height = 1\nend",
         "Unit1.dfm(2): Property 'NoFont' in 'NoFont.Height' of TTestForm is not set"},
        {"object Form1: TTestForm\n Font = 1\nend",
         "Unit1.dfm(2): Property 'Font' of TTestForm takes no value of its own"},
        {"object Form1: TTestForm\n Left = 1\n left = 2\nend",
         "Unit1.dfm(3): Property 'left' is assigned twice"},
        {"object Form1: TTestForm\n object A: TTestControl\n end\n object A: TTestControl\n "
         "end\nend",
         "Unit1.dfm(4): A component named 'A' already exists"},
        {"object Form1: TTestForm\n Panels = < item Width = 'w' end >\nend",
         "Unit1.dfm(2): Invalid value for property 'Width' of TTestItem: expected an integer"},
        // Syntax.
        {"object Form1: TTestForm\n Caption = 'abc\nend", "Unit1.dfm(2): Unterminated string"},
        {"object Form1: TTestForm\n Left 1\nend", "Unit1.dfm(2): Expected '=' but found a number"},
        {"object Form1: TTestForm\n Left = 1\n",
         "Unit1.dfm(3): Expected 'end' but found end of text"},
        {"object Form1: TTestForm\n object A: TTestControl\n end\n Left = 1\nend",
         "Unit1.dfm(4): Property 'Left' must come before the child objects"},
        {"object Form1: TTestForm\n Data = { 0A1 }\nend",
         "Unit1.dfm(2): Odd number of hexadecimal digits in binary data"},
        {"object Form1: TTestForm\n Data = { 0G }\nend", "Unit1.dfm(2): Invalid binary data"},
        {"object Form1: TTestForm\n Data = {\n  00FF\n  0\n  ,1 }\nend",
         "Unit1.dfm(5): Invalid binary data"},
        {"object Form1: TTestForm\n Data = {\n  00\n  01\n",
         "Unit1.dfm(2): Unterminated binary data"},
        {"object Form1: TTestForm\n Data = {\n  00\n  0x\nend",
         "Unit1.dfm(4): Invalid binary data"},
        {"object Form1: TTestForm\n Left = 99999999999999999999\nend",
         "Unit1.dfm(2): Number out of range: 99999999999999999999"},
        {"object Form1: TTestForm\n Caption = #55357\nend", "Unit1.dfm(2): Invalid character code"},
        {"object Form1: TTestForm\n Caption = '\xC3('\nend",
         "Unit1.dfm(2): Invalid UTF-8 in string"},
        {"object Form1: TTestForm\n Left = ?\nend", "Unit1.dfm(2): Unexpected character '?'"},
        {"object Form1: TTestForm\nend\nobject",
         "Unit1.dfm(3): Expected end of text but found 'object'"},
        {"", "Unit1.dfm(1): Expected 'object' but found end of text"},
    };
    for (const TErrorCase& c : cases) {
        SCOPED_TRACE(c.Text);
        TTestForm form;
        try {
            ReadComponentResource(&form, c.Text, "Unit1.dfm");
            ADD_FAILURE() << "no error";
        } catch (const EReadError& e) {
            EXPECT_EQ(std::string(e.what()), c.Message);
        }
        EXPECT_EQ(form.ComponentCount(), 0);
        EXPECT_FALSE(form.IsLoading());
    }
}

TEST_F(FormReader, FailureDestroysWhatItCreatedNewestFirst) {
    auto* kept = new TTestControl(&Form);
    kept->SetName("Kept");
    EXPECT_THROW(Read("  object A: TTestPanel\n    object B: TTestControl\n    end\n  end\n"
                      "  object C: TTestControl\n    Buddy = Nowhere\n  end\n"),
                 EReadError);
    EXPECT_EQ(gLog, (std::vector<std::string>{"~C", "~B", "~A"}));
    ASSERT_EQ(Form.ComponentCount(), 1);
    EXPECT_EQ(Form.Components(0), kept);
    EXPECT_FALSE(kept->IsLoading());
}

TEST_F(FormReader, ConstructorAndPlacementFailuresAreReadErrors) {
    const std::pair<const char*, const char*> cases[] = {
        {"create", "Unit1.dfm(3): Error creating 'F' of TTestFragile: no resources"},
        {"place", "Unit1.dfm(3): Cannot place 'F' in 'A': not a container"},
    };
    for (const auto& [where, message] : cases) {
        TTestFragile::FailIn = where;
        TTestForm form;
        try {
            ReadComponentResource(
                &form,
                "object Form1: TTestForm\n object A: TTestControl\n  object F: TTestFragile\n"
                "  end\n end\nend\n",
                "Unit1.dfm");
            ADD_FAILURE() << "no error";
        } catch (const EReadError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
        EXPECT_EQ(form.ComponentCount(), 0);
    }
}

// A Loaded that throws leaves the tree whole: every other component is loaded
// and the first exception reaches the caller unchanged.
TEST_F(FormReader, LoadedFailureLoadsTheRestThenRethrows) {
    TTestFragile::FailIn = "loaded";
    EXPECT_THROW(Read("  object F: TTestFragile\n  end\n  object G: TTestControl\n  end\n"),
                 std::runtime_error);
    EXPECT_EQ(gLog, (std::vector<std::string>{"Loaded Form1", "Loaded F", "Loaded G"}));
    ASSERT_EQ(Form.ComponentCount(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_FALSE(Form.Components(i)->IsLoading());
    EXPECT_FALSE(Form.IsLoading());
}

TEST_F(FormReader, DeepNestingIsAnErrorNotACrash) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "object A: TTestControl\n";
    EXPECT_THROW(ReadComponentResource(&Form, text, "deep.dfm"), EReadError);
    std::string coll = "object Form1: TTestForm Panels = ";
    for (int i = 0; i < 5000; ++i)
        coll += "< item Panels = ";
    EXPECT_THROW(ReadComponentResource(&Form, coll, "deep.dfm"), EReadError);
}

} // namespace
