#include "forms/TScreen.h"

#include <algorithm>

#include "forms/TCustomForm.h"
#include "platform/THost.h"

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
    if (!Screen) Screen = this;
}

TScreen::~TScreen() {
    if (Screen == this) Screen = nullptr;
}

int TScreen::Width() const {
    return HasHost() ? Host().ScreenSize().cx : 0;
}

int TScreen::Height() const {
    return HasHost() ? Host().ScreenSize().cy : 0;
}

TRect TScreen::WorkAreaRect() const {
    return HasHost() ? Host().WorkArea() : TRect{};
}

TCustomForm* TScreen::ActiveForm() const {
    return static_cast<TCustomForm*>(FActiveForm.Get());
}

TWinControl* TScreen::ActiveControl() const {
    TCustomForm* f = ActiveForm();
    return f ? f->FocusedControl() : nullptr;
}

void TScreen::SetCursor(TCursor c) {
    FCursor = c;
}

void TScreen::AddForm(TCustomForm* f) {
    FForms.push_back(f);
}

void TScreen::RemoveForm(TCustomForm* f) {
    auto it = std::find(FForms.begin(), FForms.end(), f);
    if (it != FForms.end()) FForms.erase(it);
}

void TScreen::SetActiveForm(TCustomForm* f) {
    if (f == ActiveForm()) return;
    FActiveForm = f;
    if (OnActiveFormChange) OnActiveFormChange(this);
}
