// The application object: error boxes, message box recording, form creation.

#include "tests/HeadlessApp.h"

using ApplicationObject = HeadlessApp;

#include <stdexcept>

#include "framework/component/TCollection.h"
#include "framework/forms/TForm.h"

TEST_F(ApplicationObject, ErrorTextGetsAFullStopOnlyAfterCharactersAboveIt) {
    struct TCase {
        const char* In;
        const char* Out;
    };
    const TCase cases[] = {
        {"Disk full", "Disk full."},
        {"Done.", "Done."},
        {"Really!", "Really!"},         // '!' sorts before '.'
        {"(see above)", "(see above)"}, // so does ')'
        {"a/b", "a/b."},                // '/' sorts after '.'
        {"'' is not a valid integer value", "'' is not a valid integer value."},
        {"Opções", "Opções."}, // a non-ASCII last letter
        {"", ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TApplication::ExceptionText(c.In), c.Out) << c.In;
}

TEST_F(ApplicationObject, HandleExceptionShowsTheStandardErrorBox) {
    App->SetTitle("Launcher 1.2");
    App->HandleException(std::runtime_error("'abc' is not a valid integer value"));
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_EQ(MessageBoxLog()[0].Caption, "Launcher 1.2");
    EXPECT_EQ(MessageBoxLog()[0].Text, "'abc' is not a valid integer value.");
    EXPECT_TRUE(MessageBoxLog()[0].StopIcon);
    MessageBox("Notice", "Launcher 1.2");
    EXPECT_FALSE(MessageBoxLog()[1].StopIcon);
}

namespace {
class TFailingForm : public TForm {
public:
    explicit TFailingForm(TComponent* o) : TForm(o) {
        OnCreate = [this](TObject*) {
            SetCaption("set before the failure");
            throw std::runtime_error("Boom");
        };
    }
};
} // namespace

TEST_F(ApplicationObject, AnErrorInOnCreateIsReportedAndTheFormLives) {
    TFailingForm* f = App->CreateForm<TFailingForm>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Caption(), "set before the failure");
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_EQ(MessageBoxLog()[0].Text, "Boom.");
    EXPECT_EQ(MessageBoxLog()[0].Caption, "Test App");
    EXPECT_EQ(App->MainForm(), f);
    ASSERT_EQ(Screen->FormCount(), 1);
    EXPECT_EQ(Screen->Forms(0), f);
}

TEST_F(ApplicationObject, ErrorsInEventHandlersAreShownAndTheLoopGoesOn) {
    auto* f = new TForm(App.get());
    f->SetBorderStyle(bsNone);
    f->SetBounds(0, 0, 50, 50);
    int clicks = 0;
    f->OnClick = [&](TObject*) {
        if (++clicks == 1) throw std::runtime_error("first");
    };
    f->Show();
    Host->InjectClick(f->HostWindow(), 5, 5);
    Host->InjectClick(f->HostWindow(), 6, 6);
    Pump();
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_EQ(MessageBoxLog()[0].Text, "first.");
}

TEST_F(ApplicationObject, CollectionsKeepOrderIdsAndReportChanges) {
    int updates = 0;
    TCollection coll([](TCollection* c) { return std::make_unique<TCollectionItem>(c); });
    coll.OnUpdate = [&](TCollectionItem*) { ++updates; };
    TCollectionItem* first = coll.Add();
    TCollectionItem* second = coll.Add();
    int firstId = first->ID();
    second->SetIndex(0);
    EXPECT_EQ(first->Index(), 1);
    coll.Delete(0);
    EXPECT_EQ(coll.FindItemID(firstId), first);
    EXPECT_EQ(first->Index(), 0);
    EXPECT_EQ(updates, 4);
}
