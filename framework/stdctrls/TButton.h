#pragma once
// The plain push button. It clicks when the left button is released over it
// after being pressed on it, on Space while focused, and through the form's
// dialog keys: Enter clicks the active default button (the focused button,
// else the one marked Default), Escape the button marked Cancel. Clicking
// sets the form's ModalResult to the button's own when that is not mrNone.

#include "forms/TCustomForm.h"
#include "stdctrls/TButtonControl.h"

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    bool Default() const { return FDefault; }
    void SetDefault(bool v);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult r) { FModalResult = r; }

    // Whether Enter would click this button now.
    bool ActiveDefault() const { return FActive; }
    // Drawn pressed: held by the mouse with the pointer over it, or by Space.
    bool Pushed() const { return (FMouseDown && FMouseInside) || FSpaceDown; }

    void Click() override;
    void WndProc(TMessage& m) override;

protected:
    void Paint() override;
    void SpaceReleased() override { Click(); }

private:
    void SetActive(bool v);
    void DialogKey(TMessage& m);

    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    TModalResult FModalResult = mrNone;
};
