#include "forms/TApplication.h"

#include "component/TClassRegistry.h"
#include "forms/TForm.h"
#include "forms/TMessageLoop.h"
#include "forms/TScreen.h"
#include "forms/TTimer.h"
#include "graphics/Graphics.h"

// The one accepted edge from forms/ into the leaf stdctrls/: an exception that
// escapes a handler is shown in the standard error box, and that box is built
// of plain controls. Nothing else below stdctrls/ includes it.
#include "stdctrls/MessageBox.h"

TApplication* Application = nullptr;

TApplication::TApplication(TComponent* owner) : TComponent(owner), FHintColor(clInfoBk) {
    if (!Application) Application = this;
    if (!Screen) new TScreen(this);
    FHintWindowClass = [](TComponent* o) -> THintWindow* { return new THintWindow(o); };
    // The classes definitions may name before any form is read.
    RegisterClass(TForm::StaticClassInfo());
    RegisterClass(TTimer::StaticClassInfo());
}

TApplication::~TApplication() {
    MarkDestroying();
    StopHintTimer();
    // Forms go first, while the screen they report to still exists.
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        if (i >= ComponentCount()) continue;
        TComponent* c = Components(i);
        if (dynamic_cast<TCustomForm*>(c)) c->Free();
    }
    FHintWindow = nullptr;
    if (Application == this) Application = nullptr;
}

TCustomForm* TApplication::CreateForm(const std::string& className) {
    const TClassInfo* info = FindClass(className);
    if (!info || !info->Create || !info->InheritsFrom(TCustomForm::StaticClassInfo()))
        return nullptr;
    auto* form = static_cast<TCustomForm*>(info->Create(this));
    if (!FMainForm) FMainForm = form;
    form->InitializeForm();
    return form;
}

void TApplication::FormDestroyed(TCustomForm* f) {
    if (f == FMainForm) FMainForm = nullptr;
    if (f == FHintWindow) FHintWindow = nullptr;
}

// --- the loop ------------------------------------------------------------------

void TApplication::Run() {
    FRunning = true;
    if (FMainForm && !FTerminated) FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
    FRunning = false;
}

void TApplication::ProcessMessages() {
    TMessageLoop::Instance().ProcessPending();
}

void TApplication::HandleMessage() {
    FLastTurnBusy = TMessageLoop::Instance().Turn(true);
    if (!FLastTurnBusy && OnIdle) {
        bool done = true;
        OnIdle(this, done);
    }
}

void TApplication::Terminate() {
    FTerminated = true;
}

void TApplication::Minimize() {
    for (TCustomForm* f : TCustomForm::TopLevelWindows()) {
        if (!f->IsFormWindow() || !f->Visible()) continue;
        if (f->HostWindow()) f->HostWindow()->Minimize();
        f->Perform(WM_SIZE, SIZE_MINIMIZED, 0);
    }
}

void TApplication::Restore() {}

// --- errors ------------------------------------------------------------------------

std::string TApplication::ExceptionText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

void TApplication::HandleException(const std::exception& e) {
    if (OnException) {
        OnException(this, e);
        return;
    }
    ShowException(e);
}

void TApplication::ShowException(const std::exception& e) {
    MessageBox(ExceptionText(e.what()), FTitle, MB_OK | MB_ICONSTOP);
}
