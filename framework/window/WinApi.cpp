#include "window/WinApi.h"

#include <map>
#include <unordered_map>

#include "forms/TCustomForm.h"
#include "forms/TMessageLoop.h"
#include "forms/TScreen.h"
#include "platform/VirtualKeys.h"
#include "window/TPaintEngine.h"

namespace {
struct TInputState {
    TControlRef Capture;
    unsigned Modifiers = 0;
    uint32_t Buttons = 0;
    TPoint Cursor;
    bool CursorKnown = false;
};

TInputState& Input() {
    static TInputState state;
    return state;
}

std::unordered_map<HWND, TWinControl*>& Handles() {
    static std::unordered_map<HWND, TWinControl*> table;
    return table;
}

HWND& NextHandle() {
    static HWND next = 0x100;
    return next;
}
} // namespace

// --- handles -------------------------------------------------------------------

HWND AllocateHWnd(TWinControl* control) {
    HWND h = NextHandle()++;
    Handles()[h] = control;
    return h;
}

void DeallocateHWnd(HWND h) {
    Handles().erase(h);
    TMessageLoop::Instance().WindowDestroyed(h);
}

TWinControl* FindControl(HWND h) {
    auto it = Handles().find(h);
    return it == Handles().end() ? nullptr : it->second;
}

bool IsWindow(HWND h) {
    return FindControl(h) != nullptr;
}

// --- messages --------------------------------------------------------------------

intptr_t SendMessage(HWND h, uint32_t msg, uintptr_t wparam, intptr_t lparam) {
    TWinControl* c = FindControl(h);
    return c ? c->Perform(msg, wparam, lparam) : 0;
}

bool PostMessage(HWND h, uint32_t msg, uintptr_t wparam, intptr_t lparam) {
    if (h != 0 && !IsWindow(h)) return false;
    TMessageLoop::Instance().Post(h, msg, wparam, lparam);
    return true;
}

uint32_t RegisterWindowMessage(const std::string& name) {
    static std::map<std::string, uint32_t> names;
    if (name.empty()) return 0;
    auto it = names.find(name);
    if (it != names.end()) return it->second;
    uint32_t n = WM_REGISTERED_FIRST + static_cast<uint32_t>(names.size());
    names[name] = n;
    return n;
}

uintptr_t SetTimer(HWND h, uintptr_t id, unsigned interval) {
    return TMessageLoop::Instance().SetTimer(h, id, interval);
}

bool KillTimer(HWND h, uintptr_t id) {
    return TMessageLoop::Instance().KillTimer(h, id);
}

// --- geometry --------------------------------------------------------------------

TRect GetWindowRect(HWND h) {
    TWinControl* c = FindControl(h);
    if (!c) return {};
    TPoint o = c->Parent() ? c->Parent()->ClientToScreen({c->Left(), c->Top()})
                           : TPoint{c->Left(), c->Top()};
    return Bounds(o.X, o.Y, c->Width(), c->Height());
}

TRect GetClientRect(HWND h) {
    TWinControl* c = FindControl(h);
    return c ? c->ClientRect() : TRect{};
}

bool IsWindowVisible(HWND h) {
    TWinControl* c = FindControl(h);
    return c && c->Showing();
}

bool IsIconic(HWND h) {
    auto* f = dynamic_cast<TCustomForm*>(FindControl(h));
    return f && f->WindowState() == wsMinimized;
}

bool IsZoomed(HWND h) {
    auto* f = dynamic_cast<TCustomForm*>(FindControl(h));
    return f && f->WindowState() == wsMaximized;
}

// --- painting ----------------------------------------------------------------------

HDC GetDC(HWND h) {
    TWinControl* c = FindControl(h);
    return c ? TPaintEngine::CreateDC(c, true) : nullptr;
}

HDC GetWindowDC(HWND h) {
    TWinControl* c = FindControl(h);
    return c ? TPaintEngine::CreateDC(c, false) : nullptr;
}

void ReleaseDC(HWND, HDC dc) {
    if (dc) TPaintEngine::ReleaseDC(dc);
}

namespace {
void RedrawTree(TWinControl* c, const TRect* r, unsigned flags, bool top) {
    if (flags & RDW_INVALIDATE) {
        c->InvalidateRect(top ? r : nullptr, (flags & RDW_ERASE) && !(flags & RDW_NOERASE));
        if ((flags & RDW_FRAME) || !top) c->InvalidateFrame();
    }
    if (flags & RDW_VALIDATE) {
        // Nothing is kept back: validation only clears what is pending.
        c->InvalidateRect(nullptr, false);
    }
    if (flags & RDW_ALLCHILDREN)
        for (TControl* child : c->ControlList())
            if (child->IsWindowed())
                RedrawTree(static_cast<TWinControl*>(child), nullptr, flags, false);
}
} // namespace

void RedrawWindow(HWND h, const TRect* r, unsigned flags) {
    TWinControl* c = FindControl(h);
    if (!c) return;
    RedrawTree(c, r, flags, true);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) c->Update();
}

void InvalidateRect(HWND h, const TRect* r, bool erase) {
    if (TWinControl* c = FindControl(h)) c->InvalidateRect(r, erase);
}

void UpdateWindow(HWND h) {
    if (TWinControl* c = FindControl(h)) c->Update();
}

void SetWindowRgn(HWND h, const TRegion* rgn, bool redraw) {
    if (TWinControl* c = FindControl(h)) c->SetWindowRgn(rgn, redraw);
}

HDC BeginPaint(HWND h, TPaintStruct& ps) {
    TWinControl* c = FindControl(h);
    if (!c) {
        ps = TPaintStruct{};
        return nullptr;
    }
    return TPaintEngine::BeginPaint(c, ps);
}

void EndPaint(HWND h, TPaintStruct& ps) {
    TPaintEngine::EndPaint(FindControl(h), ps);
}

// --- input -----------------------------------------------------------------------

HWND GetFocus() {
    TWinControl* c = Screen ? Screen->ActiveControl() : nullptr;
    if (c) return c->Handle();
    TCustomForm* f = Screen ? Screen->ActiveForm() : nullptr;
    return f ? f->Handle() : 0;
}

HWND SetFocus(HWND h) {
    HWND old = GetFocus();
    if (TWinControl* c = FindControl(h)) c->SetFocus();
    return old;
}

HWND GetCapture() {
    TControl* c = Input().Capture.Get();
    auto* w = dynamic_cast<TWinControl*>(c);
    if (!w && c) w = c->Parent();
    return w ? w->Handle() : 0;
}

HWND GetActiveWindow() {
    TCustomForm* f = Screen ? Screen->ActiveForm() : nullptr;
    return f ? f->Handle() : 0;
}

TPoint GetCursorPos() {
    if (Input().CursorKnown) return Input().Cursor;
    return HasHost() ? Host().CursorPos() : TPoint{};
}

TControl* GetCaptureControl() {
    return Input().Capture.Get();
}

void SetCaptureControl(TControl* c) {
    TControl* old = Input().Capture.Get();
    if (old == c) return;
    Input().Capture = c;
    TCustomForm* oldForm = old ? old->GetParentForm() : nullptr;
    TCustomForm* newForm = c ? c->GetParentForm() : nullptr;
    if (oldForm != newForm && oldForm && oldForm->HostWindow())
        oldForm->HostWindow()->SetCapture(false);
    if (newForm && newForm->HostWindow()) newForm->HostWindow()->SetCapture(true);
    if (old) old->Perform(WM_CAPTURECHANGED, 0, 0);
}

void ReleaseCapture() {
    SetCaptureControl(nullptr);
}

bool IsKeyDown(int vk) {
    const TInputState& s = Input();
    switch (vk) {
    case VK_SHIFT:
        return s.Modifiers & kmShift;
    case VK_CONTROL:
        return s.Modifiers & kmCtrl;
    case VK_MENU:
        return s.Modifiers & kmAlt;
    case VK_LBUTTON:
        return s.Buttons & MK_LBUTTON;
    case VK_RBUTTON:
        return s.Buttons & MK_RBUTTON;
    case VK_MBUTTON:
        return s.Buttons & MK_MBUTTON;
    default:
        return false;
    }
}

void SetKeyboardModifiers(unsigned hostModifiers) {
    Input().Modifiers = hostModifiers;
}

uint32_t MouseButtonsDown() {
    return Input().Buttons;
}

void SetMouseButtonDown(uint32_t mk, bool down) {
    if (down)
        Input().Buttons |= mk;
    else
        Input().Buttons &= ~mk;
}

void SetLastCursorPos(TPoint screen) {
    Input().Cursor = screen;
    Input().CursorKnown = true;
}
