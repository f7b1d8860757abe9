#pragma once
// Window functions in the platform's own shape: handles, sending and posting,
// registered messages, device contexts, regions, capture and focus. The Parts
// talk in these terms; they all work on the framework's own windows.

#include <string>

#include "platform/TRegion.h"
#include "window/ControlTypes.h"

// --- handles -------------------------------------------------------------
HWND AllocateHWnd(TWinControl* control);
void DeallocateHWnd(HWND h);
// The control of a live handle, or null.
TWinControl* FindControl(HWND h);
bool IsWindow(HWND h);

// --- messages --------------------------------------------------------------
// Calls the window procedure at once; 0 for a dead handle.
intptr_t SendMessage(HWND h, uint32_t msg, uintptr_t wparam = 0, intptr_t lparam = 0);
// Queues the message for the loop; false for a dead handle.
bool PostMessage(HWND h, uint32_t msg, uintptr_t wparam = 0, intptr_t lparam = 0);
// Numbers from WM_REGISTERED_FIRST up; the same number for the same text.
uint32_t RegisterWindowMessage(const std::string& name);

// WM_TIMER (WParam = id) to the window every interval ms of the loop's clock.
uintptr_t SetTimer(HWND h, uintptr_t id, unsigned interval);
bool KillTimer(HWND h, uintptr_t id);

// --- geometry ----------------------------------------------------------------
// Window rectangle in screen coordinates.
TRect GetWindowRect(HWND h);
// (0, 0, client width, client height).
TRect GetClientRect(HWND h);
bool IsWindowVisible(HWND h);
bool IsIconic(HWND h);
bool IsZoomed(HWND h);

// --- painting ----------------------------------------------------------------
// A DC on the client area (GetDC) or the whole window (GetWindowDC), clipped to
// what of it is visible; free it with ReleaseDC. Null for a dead handle.
HDC GetDC(HWND h);
HDC GetWindowDC(HWND h);
void ReleaseDC(HWND h, HDC dc);
constexpr unsigned RDW_INVALIDATE = 0x0001;
constexpr unsigned RDW_INTERNALPAINT = 0x0002;
constexpr unsigned RDW_ERASE = 0x0004;
constexpr unsigned RDW_VALIDATE = 0x0008;
constexpr unsigned RDW_NOINTERNALPAINT = 0x0010;
constexpr unsigned RDW_NOERASE = 0x0020;
constexpr unsigned RDW_NOCHILDREN = 0x0040;
constexpr unsigned RDW_ALLCHILDREN = 0x0080;
constexpr unsigned RDW_UPDATENOW = 0x0100;
constexpr unsigned RDW_ERASENOW = 0x0200;
constexpr unsigned RDW_FRAME = 0x0400;
constexpr unsigned RDW_NOFRAME = 0x0800;
// r in client coordinates, null for all of it.
void RedrawWindow(HWND h, const TRect* r, unsigned flags);
// Painting in a WM_PAINT handler: the DC clipped to the update region, erased
// first (WM_ERASEBKGND) when the invalidation asked for it.
HDC BeginPaint(HWND h, struct TPaintStruct& ps);
void EndPaint(HWND h, struct TPaintStruct& ps);
void InvalidateRect(HWND h, const TRect* r, bool erase);
void UpdateWindow(HWND h);
// The window takes a copy of the region (window coordinates); null removes it.
void SetWindowRgn(HWND h, const TRegion* rgn, bool redraw);

// --- input -------------------------------------------------------------------
HWND GetFocus();
HWND SetFocus(HWND h);
HWND GetCapture();
HWND GetActiveWindow();
TPoint GetCursorPos();
// Mouse capture for any control, windowed or not.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* c);
void ReleaseCapture();
// Whether a key is held, from the last input event (VK_SHIFT, VK_CONTROL, VK_MENU,
// VK_LBUTTON, VK_RBUTTON, VK_MBUTTON).
bool IsKeyDown(int vk);
// The input state the forms keep up to date from host events.
void SetKeyboardModifiers(unsigned hostModifiers);
uint32_t MouseButtonsDown(); // MK_LBUTTON | MK_RBUTTON | MK_MBUTTON
void SetMouseButtonDown(uint32_t mk, bool down);
void SetLastCursorPos(TPoint screen);
