#pragma once
// A top-level window: a form, a message box, a hint window. It owns the host
// window (made when first shown) and the back buffer every control of it
// paints into, turns host input into window messages for its controls, keeps
// the focused control, draws a plain frame and title bar when nothing else
// paints the non-client area, and moves and sizes itself by its hit codes.
//
// A form class with a definition overrides DefinitionText (and FileName);
// Application->CreateForm constructs it, reads the definition, then runs
// OnCreate (an exception there is shown in the standard error box).

#include <functional>
#include <memory>
#include <vector>

#include "graphics/TBitmap.h"
#include "platform/THost.h"
#include "window/TWinControl.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    // Every top-level window alive, in creation order.
    static const std::vector<TCustomForm*>& TopLevelWindows();

    // --- creation --------------------------------------------------------
    // The definition text of the form's class and the name errors cite;
    // empty for a form built in code.
    virtual std::string DefinitionText() const { return {}; }
    virtual std::string DefinitionFileName() const { return {}; }
    // Reads the definition (if any) into the form, then runs OnCreate.
    // Application->CreateForm calls it right after construction.
    virtual void InitializeForm();
    virtual void ReadDefinition();
    void DoCreate();

    // --- appearance --------------------------------------------------------
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle s);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition p) { FPosition = p; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState s);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle s);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool v) { FKeyPreview = v; }
    bool Active() const;
    bool Showing() const override { return FVisible; }
    // Whether this window counts among Screen->Forms (hint windows do not).
    virtual bool IsFormWindow() const { return true; }
    virtual TWindowKind HostWindowKind() const { return TWindowKind::wkNormal; }
    // A popup that takes the keyboard of the window it opened from while it
    // holds the mouse capture (a menu does; a drop-down list leaves the keys to its box).
    virtual bool TakesKeys() const { return false; }

    // --- showing and closing ---------------------------------------------------
    void SetVisible(bool v) override;
    void Show() {
        SetVisible(true);
        BringToFront();
    }
    void Hide() { SetVisible(false); }
    void BringToFront();
    // Makes this the active window: frame, focus and host focus follow. When
    // the host itself reports the focus, it is not asked again: echoing stale
    // focus reports back would make two windows take the focus in turn forever.
    void Activate(bool tellHost = true);
    void Close();
    // Frees the form from the loop, after the current message.
    void Release();
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult r) { FModalResult = r; }
    bool IsModal() const { return FModal; }
    virtual bool CloseQuery();

    // --- focus -------------------------------------------------------------
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* c);
    TWinControl* FocusedControl() const;
    void FocusControl(TWinControl* c);
    // Focus moves to the next control when c (or the control inside it) goes away.
    void FocusedControlHidden(TWinControl* c);
    void ControlRemoved(TControl* c);
    // Focuses the first control in tab order.
    void SelectFirst();

    // --- painting and host ---------------------------------------------------
    // The window's picture, at the window's size; made at the first use, so
    // that a window that was never shown holds no pixels.
    TBitmap* BackBuffer();
    IHostWindow* HostWindow() const { return FHostWindow.get(); }
    void AddPresentRegion(const TRegion& r) { FPresentRgn.Union(r); }
    bool PresentPending() const { return !FPresentRgn.IsEmpty(); }
    // Copies what changed in the back buffer to the host window.
    void Present();
    // Turns one host event for this window into window messages.
    void HandleHostEvent(const TEvent& e);

    // --- non-client metrics of the plain frame ---------------------------------
    // Thickness of the frame and of the caption for the border style.
    int FrameWidth() const;
    int FrameHeight() const;
    int CaptionHeight() const;
    // Title buttons of the plain frame, window coordinates; empty when absent.
    TRect CloseButtonRect() const;
    TRect MaxButtonRect() const;
    TRect MinButtonRect() const;

    // --- events ------------------------------------------------------------
    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void WndProc(TMessage& m) override;
    void DefaultHandler(TMessage& m) override;

protected:
    TRect NonClientInsets() const override;
    void PaintNonClient(HDC windowDC) override;
    void BoundsChanged(const TRect& old) override;
    void WindowRgnChanged() override;
    virtual void DoClose(TCloseAction& action);
    virtual void DoShow();
    virtual void DoHide();
    // Places the form by Position before it is first shown.
    void ApplyPosition();

private:
    friend class TPaintEngine;
    friend class TWinControl;
    // Moving or sizing by dragging the frame, done by the form itself.
    enum TFrameDrag { fdNone, fdMove, fdSize };
    enum TTitleButton { tbClose, tbMax, tbMin };
    struct TDrag {
        TFrameDrag Mode = fdNone;
        unsigned Edge = 0;
        TPoint Start;
        TRect StartBounds;
    };

    void CreateHostWindow();
    void SetFocusedControl(TWinControl* c);
    void SetActive(bool active);
    // Host input.
    void HandleMouse(const TEvent& e);
    void HandleKey(const TEvent& e);
    void HandleText(const TEvent& e);
    bool FrameMouse(const TEvent& e, TPoint windowPoint, TPoint screen);
    void SendClientMouse(TControl* target, const TEvent& e, uint32_t mk, TPoint screen);
    void RouteNonClientMouse(const TEvent& e, int hit);
    TControl* MouseTarget(TPoint windowPoint) const;
    void UpdateHover(TControl* target);
    void UpdateCursor(TControl* target, int hit);
    void DispatchKeyDown(int key, intptr_t keyData);
    void DispatchChar(uint32_t ch, intptr_t keyData);
    // Non-client defaults.
    int HitTest(TPoint windowPoint) const;
    void NCButtonDown(int hit, TPoint screen);
    void NCButtonUp(int hit);
    void SysCommand(uint32_t cmd);
    void StartDrag(TFrameDrag mode, unsigned edge);
    void DragTo(TPoint screen);
    void EndDrag();
    void PaintTitleButton(HDC dc, const TRect& r, TTitleButton kind, bool pressed);

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    TFormStyle FFormStyle = fsNormal;
    bool FKeyPreview = false;
    bool FActive = false;
    bool FShownOnce = false;
    bool FModal = false;
    TModalResult FModalResult = mrNone;
    TRect FNormalBounds;
    TControlRef FFocused;
    TControlRef FActiveControl;

    std::unique_ptr<IHostWindow> FHostWindow;
    bool FSyncingFromHost = false;
    TBitmap FBackBuffer{0, 0, GraphicsScale()};
    TRegion FPresentRgn;
    bool FPaintPending = true;
    bool FInPaint = false;

    TDrag FDrag;
    int FNCPressed = HTNOWHERE; // title button held down
    bool FNCPressedInside = false;
};
