#pragma once
// Small types shared by the control classes: handles, style and state flags,
// event signatures and the records that window messages point to.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "component/TPersistent.h"
#include "platform/Types.h"
#include "window/Messages.h"

class TCanvas;
class TControl;
class TWinControl;

// A window handle: a number that stays unique for the life of the process, so
// a handle kept after its window died finds nothing instead of a stranger.
using HWND = uint32_t;
// A device context is a canvas with an origin and a clip region.
using HDC = TCanvas*;

inline uintptr_t DCToWParam(HDC dc) {
    return reinterpret_cast<uintptr_t>(dc);
}
inline HDC WParamToDC(uintptr_t w) {
    return reinterpret_cast<HDC>(w);
}

using TWndMethod = std::function<void(TMessage&)>;

enum TControlStyleFlag : unsigned {
    csAcceptsControls = 0x0001,
    csCaptureMouse = 0x0002,
    csClickEvents = 0x0004,
    csFramed = 0x0008,
    csSetCaption = 0x0010,
    csOpaque = 0x0020,       // paints every pixel: no erase needed
    csDoubleClicks = 0x0040, // wants double-click messages instead of a second down
    csFixedWidth = 0x0080,
    csFixedHeight = 0x0100,
    csNoStdEvents = 0x0200,
    csParentBackground = 0x0400,
    csReplicatable = 0x0800,
};
using TControlStyle = unsigned;

enum TControlStateFlag : unsigned {
    csLButtonDown = 0x0001,
    csClicked = 0x0002,
    csAlignmentNeeded = 0x0004,
    csFocusing = 0x0008,
    csCreating = 0x0010,
    csPaintCopy = 0x0020,
    csCustomPaint = 0x0040,
    csAligning = 0x0080,
};
using TControlState = unsigned;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Cursor identifiers (negative values are the stock shapes).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

enum TShiftFlag : unsigned {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
using TShiftState = unsigned;

// mbLeft, mbRight and mbMiddle come from the host interface.
using TMouseButton = int;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                            TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, int& Key, TShiftState Shift)>;
// Key is a Unicode code point; setting it to 0 swallows the character.
using TKeyPressEvent = std::function<void(TObject* Sender, uint32_t& Key)>;

// What WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED point to (LParam).
constexpr unsigned SWP_NOSIZE = 0x0001;
constexpr unsigned SWP_NOMOVE = 0x0002;
constexpr unsigned SWP_NOZORDER = 0x0004;
constexpr unsigned SWP_NOREDRAW = 0x0008;
constexpr unsigned SWP_SHOWWINDOW = 0x0040;
constexpr unsigned SWP_HIDEWINDOW = 0x0080;
struct TWindowPos {
    HWND hwnd = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    unsigned flags = 0;
};

// What WM_GETMINMAXINFO points to (LParam).
struct TMinMaxInfo {
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

// What WM_NCCALCSIZE points to (LParam): in, the window rectangle in parent
// client coordinates; out, the client rectangle in the same coordinates.
struct TNCCalcSizeParams {
    TRect rgrc[3];
};

// Mouse coordinates packed as window messages carry them.
inline intptr_t PointToLParam(TPoint p) {
    return MakeLParam(p.X, p.Y);
}
inline TPoint LParamToPoint(intptr_t l) {
    return {static_cast<int16_t>(l & 0xFFFF), static_cast<int16_t>((l >> 16) & 0xFFFF)};
}

// A reference to a control that turns null when the control is destroyed.
// Focus, capture, hover and timers hold these instead of raw pointers.
class TControlRef {
public:
    TControlRef() = default;
    TControlRef(TControl* c); // NOLINT: implicit on purpose, like a pointer
    TControl* Get() const { return FToken ? *FToken : nullptr; }
    operator TControl*() const { return Get(); }
    TControl* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }

private:
    std::shared_ptr<TControl*> FToken;
};
