#pragma once
// The message record and every message number the program uses. Window
// messages keep the platform's numbers; the framework's own notifications
// (CM_*) are numbered from CM_BASE. No handler uses a bare number.
//
// WParam, LParam and Result are pointer-sized: on this 64-bit platform several
// messages carry object references in them (a device context, the skin
// manager, a frame provider, a min-max record), which a 32-bit field could not
// hold. Packed values (code in the high word, argument in the low word) use
// only the low 32 bits.

#include <cstdint>

struct TMessage {
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;

    uint16_t WParamLo() const { return static_cast<uint16_t>(WParam & 0xFFFF); }
    uint16_t WParamHi() const { return static_cast<uint16_t>(WParam >> 16); }
    int16_t LParamLo() const { return static_cast<int16_t>(LParam & 0xFFFF); }
    int16_t LParamHi() const { return static_cast<int16_t>((LParam >> 16) & 0xFFFF); }
};

inline intptr_t MakeLParam(int lo, int hi) {
    return static_cast<intptr_t>(static_cast<int32_t>((static_cast<uint32_t>(hi) << 16) |
                                                      (static_cast<uint32_t>(lo) & 0xFFFF)));
}

// Window messages.
constexpr uint32_t WM_NULL = 0x0000;
constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_ENABLE = 0x000A;
constexpr uint32_t WM_SETREDRAW = 0x000B;
constexpr uint32_t WM_SETTEXT = 0x000C;
constexpr uint32_t WM_GETTEXT = 0x000D;
constexpr uint32_t WM_GETTEXTLENGTH = 0x000E;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_ERASEBKGND = 0x0014;
constexpr uint32_t WM_SYSCOLORCHANGE = 0x0015;
constexpr uint32_t WM_SHOWWINDOW = 0x0018;
constexpr uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr uint32_t WM_SETCURSOR = 0x0020;
constexpr uint32_t WM_MOUSEACTIVATE = 0x0021;
constexpr uint32_t WM_GETMINMAXINFO = 0x0024;
constexpr uint32_t WM_FONTCHANGE = 0x001D;
constexpr uint32_t WM_CANCELMODE = 0x001F;
constexpr uint32_t WM_SETFONT = 0x0030;
constexpr uint32_t WM_WINDOWPOSCHANGING = 0x0046;
constexpr uint32_t WM_WINDOWPOSCHANGED = 0x0047;
constexpr uint32_t WM_CONTEXTMENU = 0x007B;
constexpr uint32_t WM_NCCREATE = 0x0081;
constexpr uint32_t WM_NCDESTROY = 0x0082;
constexpr uint32_t WM_NCCALCSIZE = 0x0083;
constexpr uint32_t WM_NCHITTEST = 0x0084;
constexpr uint32_t WM_NCPAINT = 0x0085;
constexpr uint32_t WM_NCACTIVATE = 0x0086;
constexpr uint32_t WM_GETDLGCODE = 0x0087;
constexpr uint32_t WM_NCMOUSEMOVE = 0x00A0;
constexpr uint32_t WM_NCLBUTTONDOWN = 0x00A1;
constexpr uint32_t WM_NCLBUTTONUP = 0x00A2;
constexpr uint32_t WM_NCLBUTTONDBLCLK = 0x00A3;
constexpr uint32_t WM_NCRBUTTONDOWN = 0x00A4;
constexpr uint32_t WM_NCRBUTTONUP = 0x00A5;
constexpr uint32_t WM_NCRBUTTONDBLCLK = 0x00A6;
constexpr uint32_t BM_SETCHECK = 0x00F1;
constexpr uint32_t BM_SETSTATE = 0x00F3;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_SYSCHAR = 0x0106;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_SYSCOMMAND = 0x0112;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_HSCROLL = 0x0114;
constexpr uint32_t WM_VSCROLL = 0x0115;
constexpr uint32_t WM_INITMENUPOPUP = 0x0117;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr uint32_t WM_MBUTTONUP = 0x0208;
constexpr uint32_t WM_MBUTTONDBLCLK = 0x0209;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
// One notch of the mouse wheel in WM_MOUSEWHEEL's high word.
constexpr int WHEEL_DELTA = 120;
constexpr uint32_t WM_SIZING = 0x0214;
constexpr uint32_t WM_CAPTURECHANGED = 0x0215;
constexpr uint32_t WM_MOVING = 0x0216;
constexpr uint32_t WM_ENTERSIZEMOVE = 0x0231;
constexpr uint32_t WM_EXITSIZEMOVE = 0x0232;
constexpr uint32_t WM_MOUSEHOVER = 0x02A1;
constexpr uint32_t WM_NCMOUSELEAVE = 0x02A2;
constexpr uint32_t WM_MOUSELEAVE = 0x02A3;
constexpr uint32_t WM_CUT = 0x0300;
constexpr uint32_t WM_COPY = 0x0301;
constexpr uint32_t WM_PASTE = 0x0302;
constexpr uint32_t WM_CLEAR = 0x0303;
constexpr uint32_t WM_UNDO = 0x0304;
constexpr uint32_t WM_PRINT = 0x0317;
constexpr uint32_t WM_PRINTCLIENT = 0x0318;
constexpr uint32_t WM_USER = 0x0400;
constexpr uint32_t WM_APP = 0x8000;

// Framework notifications.
constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 3;
constexpr uint32_t CM_COLORCHANGED = CM_BASE + 4;
constexpr uint32_t CM_FONTCHANGED = CM_BASE + 5;
constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 6;
constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr uint32_t CM_HITTEST = CM_BASE + 10;
constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
constexpr uint32_t CM_ENTER = CM_BASE + 12;
constexpr uint32_t CM_EXIT = CM_BASE + 13;
constexpr uint32_t CM_MENUCHANGED = CM_BASE + 14;
constexpr uint32_t CM_APPKEYDOWN = CM_BASE + 15;
constexpr uint32_t CM_BUTTONPRESSED = CM_BASE + 16;
constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 17;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 18;
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 19;
constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 20;
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 21;
constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 22;
constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 23;
constexpr uint32_t CM_PARENTCTL3DCHANGED = CM_BASE + 24;
constexpr uint32_t CM_SHOWHINTCHANGED = CM_BASE + 25;
constexpr uint32_t CM_HINTSHOW = CM_BASE + 26;
constexpr uint32_t CM_WANTSPECIALKEY = CM_BASE + 27;
constexpr uint32_t CM_CONTROLCHANGE = CM_BASE + 28;
constexpr uint32_t CM_INVALIDATE = CM_BASE + 29;
constexpr uint32_t CM_RELEASE = CM_BASE + 30;
constexpr uint32_t CM_TABSTOPCHANGED = CM_BASE + 31;
constexpr uint32_t CM_CHILDKEY = CM_BASE + 32;
constexpr uint32_t CM_CANCELMODE = CM_BASE + 33;
constexpr uint32_t CM_MOUSEWHEEL = CM_BASE + 34;
constexpr uint32_t CM_BORDERCHANGED = CM_BASE + 35;
constexpr uint32_t CM_SYSFONTCHANGED = CM_BASE + 36;
constexpr uint32_t CM_TIMER = CM_BASE + 37; // a TTimer's tick, posted through the loop
constexpr uint32_t CM_ISDEFAULTBUTTON =
    CM_BASE + 38; // answer 1 when the control is a default button

// First number handed out by RegisterWindowMessage.
constexpr uint32_t WM_REGISTERED_FIRST = 0xC000;

// WM_SYSCOMMAND codes.
constexpr uint32_t SC_SIZE = 0xF000;
constexpr uint32_t SC_MOVE = 0xF010;
constexpr uint32_t SC_DRAGMOVE = 0xF012; // SC_MOVE + HTCAPTION: move with the mouse
constexpr uint32_t SC_MINIMIZE = 0xF020;
constexpr uint32_t SC_MAXIMIZE = 0xF030;
constexpr uint32_t SC_CLOSE = 0xF060;
constexpr uint32_t SC_KEYMENU = 0xF100;
constexpr uint32_t SC_RESTORE = 0xF120;
constexpr uint32_t SC_CONTEXTHELP = 0xF180;

// WM_NCHITTEST answers.
constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTSYSMENU = 3;
constexpr int HTGROWBOX = 4;
constexpr int HTMENU = 5;
constexpr int HTHSCROLL = 6;
constexpr int HTVSCROLL = 7;
constexpr int HTMINBUTTON = 8;
constexpr int HTMAXBUTTON = 9;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;
constexpr int HTBORDER = 18;
constexpr int HTCLOSE = 20;
constexpr int HTHELP = 21;

// Key state flags of mouse messages' WParam.
constexpr uint32_t MK_LBUTTON = 0x0001;
constexpr uint32_t MK_RBUTTON = 0x0002;
constexpr uint32_t MK_SHIFT = 0x0004;
constexpr uint32_t MK_CONTROL = 0x0008;
constexpr uint32_t MK_MBUTTON = 0x0010;

// WM_SIZE kinds.
constexpr uint32_t SIZE_RESTORED = 0;
constexpr uint32_t SIZE_MINIMIZED = 1;
constexpr uint32_t SIZE_MAXIMIZED = 2;

// WM_ACTIVATE states.
constexpr uint32_t WA_INACTIVE = 0;
constexpr uint32_t WA_ACTIVE = 1;
constexpr uint32_t WA_CLICKACTIVE = 2;

// WM_SYSCOMMAND: the command is the high twelve bits; the low four carry
// extra data, such as the edge of SC_SIZE.
constexpr uint32_t SC_COMMANDMASK = 0xFFF0;
constexpr uint32_t SC_DATAMASK = 0x000F;
// WM_SYSCOMMAND SC_SIZE edge codes (added to SC_SIZE).
constexpr uint32_t WMSZ_LEFT = 1;
constexpr uint32_t WMSZ_RIGHT = 2;
constexpr uint32_t WMSZ_TOP = 3;
constexpr uint32_t WMSZ_TOPLEFT = 4;
constexpr uint32_t WMSZ_TOPRIGHT = 5;
constexpr uint32_t WMSZ_BOTTOM = 6;
constexpr uint32_t WMSZ_BOTTOMLEFT = 7;
constexpr uint32_t WMSZ_BOTTOMRIGHT = 8;

// WM_GETDLGCODE answers: which keys a control keeps for itself.
constexpr uint32_t DLGC_WANTARROWS = 0x0001;
constexpr uint32_t DLGC_WANTTAB = 0x0002;
constexpr uint32_t DLGC_WANTALLKEYS = 0x0004;
constexpr uint32_t DLGC_HASSETSEL = 0x0008;
constexpr uint32_t DLGC_WANTCHARS = 0x0080;
constexpr uint32_t DLGC_BUTTON = 0x2000;

// Key data of WM_KEYDOWN/WM_CHAR LParam: the Alt key was held; the key was
// already down (an auto-repeat).
constexpr intptr_t KF_ALTDOWN = 0x20000000;
constexpr intptr_t KF_REPEAT = 0x40000000;
