#pragma once
// The application object: the title, the main form, creating forms, the
// message loop, hint settings and the standard error box.

#include <exception>
#include <functional>
#include <string>

#include "component/TComponent.h"
#include "forms/TCustomForm.h"
#include "forms/THintWindow.h"

using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& t) { FTitle = t; }
    TCustomForm* MainForm() const { return FMainForm; }

    // Constructs a form of class T owned by the application, reads its
    // definition and runs OnCreate. The first form created is the main form.
    template <class T> T* CreateForm(T** reference = nullptr) {
        T* form = new T(this);
        if (reference) *reference = form;
        if (!FMainForm) FMainForm = form;
        form->InitializeForm();
        return form;
    }
    // The same for a class registered by name; null for an unknown class.
    TCustomForm* CreateForm(const std::string& className);

    // Shows the main form and handles messages until Terminate.
    void Run();
    // Handles everything pending without waiting.
    void ProcessMessages();
    // Handles what is pending; waits for input or the next timer when idle.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Whether the last HandleMessage found anything to do.
    bool LastTurnBusy() const { return FLastTurnBusy; }
    void Minimize();
    void Restore();

    // The standard error box: the message with a full stop appended when its
    // last character sorts after '.', the title as caption, the stop icon.
    void HandleException(const std::exception& e);
    void ShowException(const std::exception& e);
    // The error box text for a message.
    static std::string ExceptionText(const std::string& message);

    // --- hints -------------------------------------------------------------
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor c) { FHintColor = c; }
    int HintPause() const { return FHintPause; }
    void SetHintPause(int ms) { FHintPause = ms; }
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int ms) { FHintShortPause = ms; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int ms) { FHintHidePause = ms; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    // The class of the hint window, as a factory; the plain THintWindow by default.
    const THintWindowClass& HintWindowClass() const { return FHintWindowClass; }
    void SetHintWindowClass(THintWindowClass cls);
    THintWindow* HintWindow() const { return FHintWindow; }
    // Shows the hint of the control under the mouse at once.
    void ActivateHint(TPoint cursorPos);
    void CancelHint();
    // The mouse moved over control (null: over nothing with a hint).
    void HintMouseMessage(TControl* control, TPoint cursorPos);

    TShowHintEvent OnShowHint;
    TExceptionEvent OnException;
    TIdleEvent OnIdle;
    TNotifyEvent OnHint;

private:
    friend class TCustomForm;
    void FormDestroyed(TCustomForm* f);
    void HintTimerExpired();
    void ShowHintFor(TControl* control, TPoint cursorPos);
    // What the hint timer does when it fires.
    enum THintTimerMode { hmNone, hmShow, hmHide };
    void StartHintTimer(int ms, THintTimerMode mode);
    void StopHintTimer();

    std::string FTitle;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FRunning = false;
    bool FLastTurnBusy = false;

    TColor FHintColor;
    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    bool FShowHint = true;
    THintWindowClass FHintWindowClass;
    THintWindow* FHintWindow = nullptr;
    TControlRef FHintControl;
    TPoint FHintCursor;
    int FHintTimer = 0; // loop timer id, 0 when none
    THintTimerMode FHintTimerMode = hmNone;
    bool FHintActive = false;
};

// The process's application object; the first TApplication made sets it.
extern TApplication* Application;
