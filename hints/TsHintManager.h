#pragma once
// The component that gives the application's hints their skinned look. It
// holds the look in HintKind, applies a preset when its definition is read,
// takes over the application's hint window class for the chosen style and
// its show-hint event (to hand the hint its PauseHide), and gives both back
// when it goes. The last manager that selected a shaped style is the active
// one; the hint windows paint from it.

#include <memory>
#include <string>
#include <vector>

#include "framework/component/TComponent.h"
#include "framework/forms/THintWindow.h"
#include "framework/graphics/TBitmap.h"
#include "hints/TsHintKind.h"

class TsHintManager : public TComponent {
public:
    explicit TsHintManager(TComponent* owner);
    ~TsHintManager() override;

    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    // Published, in streaming order.
    TsHintKind* HintKind() const { return FHintKind.get(); }
    bool HTMLMode() const { return FHTMLMode; }
    void SetHTMLMode(bool value) { FHTMLMode = value; }
    int PauseHide() const { return FPauseHide; }
    void SetPauseHide(int ms);
    TsHintsPredefinitions Predefinitions() const { return FPredefinitions; }
    // Takes effect when the definition has been read (Loaded), not before.
    void SetPredefinitions(TsHintsPredefinitions value) { FPredefinitions = value; }
    // Called before a hint shows, as the application's show-hint event.
    TShowHintEvent OnShowHint;

    // The picture of the hint window being shown.
    TBitmap* Picture() { return &FPicture; }

    void Loaded() override;
    // Sets HintKind's values and style from a preset (shCustom changes nothing).
    void ApplyPredefinition(TsHintsPredefinitions preset);
    // Installs the window class of HintKind's style as the application's.
    void SelectWindowClass();

    // The manager the shaped hint windows paint from; null when none is.
    static TsHintManager* Active() { return FActive; }

private:
    bool Designing() const;
    // The application's show-hint event while any manager lives: the
    // active manager's PauseHide, then the newest manager's OnShowHint.
    static void ShowHint(std::string& hintStr, bool& canShow, THintInfo& info);

    std::unique_ptr<TsHintKind> FHintKind;
    bool FHTMLMode = false;
    int FPauseHide = 5000;
    TsHintsPredefinitions FPredefinitions = shEllipse;
    TBitmap FPicture{0, 0, GraphicsScale()};
    bool FOwnsWindowClass = false;

    static TsHintManager* FActive;
    // The managers alive outside design mode, oldest first, and the
    // application's own show-hint event from before the first of them.
    static std::vector<TsHintManager*> FManagers;
    static TShowHintEvent FApplicationShowHint;
};
