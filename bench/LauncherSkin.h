#pragma once
// Benchmarks of skinned painting run on the launcher's own skin: the skin
// manager block of the main window's definition is read into the bench's
// form, so the skin is loaded and announced exactly as at start-up.

#include <memory>
#include <string>

#include "framework/component/TClassRegistry.h"
#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "platform/CreateHost.h"
#include "skin/TsSkinManager.h"

// The main window's definition, built into the program.
extern const char Unit1Definition[];

// Reads the launcher's skin manager into the form, shows the form and lets
// the skin's announcements and the first paint settle.
inline void ApplyLauncherSkin(TApplication& app, TForm* form) {
    RegisterClass(TsSkinManager::StaticClassInfo());
    const std::string text = Unit1Definition;
    const size_t start = text.find("  object sSkinManager1: TsSkinManager\n");
    const size_t end = text.find("\n  end\n", start);
    ReadComponentResource(
        form, "object Form1: TForm\n" + text.substr(start, end + 7 - start) + "end\n", "Unit1.dfm");
    form->Show();
    app.ProcessMessages();
}

// A headless form on the launcher's skin with one 75 x 25 button-sized
// control of class T captioned as the main window's Play button.
template <class T> struct TOneControlWorld {
    TOneControlWorld() {
        InstallHeadlessHost();
        App = std::make_unique<TApplication>();
        Form = new TForm(App.get());
        Form->SetBounds(0, 0, 300, 200);
        Control = new T(Form);
        Control->SetParent(Form);
        Control->SetBounds(20, 20, 75, 25);
        Control->SetCaption("Jogar");
        ApplyLauncherSkin(*App, Form);
    }
    std::unique_ptr<TApplication> App;
    TForm* Form = nullptr;
    T* Control = nullptr;
};
