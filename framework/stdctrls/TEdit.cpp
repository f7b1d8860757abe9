#include "stdctrls/TEdit.h"

#include <algorithm>

#include "component/PropertyHelpers.h"
#include "component/Utf8.h"
#include "graphics/BevelPaint.h"
#include "graphics/DrawText.h"
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "platform/THost.h"
#include "platform/VirtualKeys.h"
#include "window/WinApi.h"

namespace {
constexpr uintptr_t kCaretTimer = 1;
constexpr unsigned kBlinkMs = 530;
constexpr int kBorder = 2;
constexpr int kMargin = 1;

bool IsWordChar(char32_t c) {
    return c != U' ' && c != U'\t';
}

TCanvas& MeasureCanvas(const TFont& font) {
    static TBitmap scratch;
    static TCanvas canvas(&scratch);
    canvas.SetFont(font);
    return canvas;
}
} // namespace

TEdit::TEdit(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks;
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    SetCursor(crIBeam);
}

TEdit::~TEdit() {
    StopBlink();
}

const TClassInfo* TEdit::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TEdit>("TEdit", TCustomControl::StaticClassInfo(),
                             {
                                 BoolProp("AutoSelect", &TEdit::SetAutoSelect),
                                 IntProp("MaxLength", &TEdit::SetMaxLength),
                                 StrProp("PasswordChar", &TEdit::SetPasswordChar),
                                 BoolProp("ReadOnly", &TEdit::SetReadOnly),
                                 StrProp("Text", &TControl::SetText),
                                 EventProp("OnChange", &TEdit::OnChange),
                             });
    return &info;
}

const TClassInfo* TEdit::ClassInfo() const {
    return StaticClassInfo();
}

void TEdit::SetPasswordChar(const std::string& c) {
    std::u32string cp = Utf8Decode(c);
    FPasswordChar = cp.empty() || cp[0] == 0 ? std::string() : Utf8Encode(cp.substr(0, 1));
    Invalidate();
}

// --- selection ---------------------------------------------------------------------

int TEdit::SelStart() const {
    return std::min(FAnchor, FCaret);
}
int TEdit::SelLength() const {
    return std::abs(FCaret - FAnchor);
}

void TEdit::SetSelStart(int pos) {
    pos = std::clamp(pos, 0, static_cast<int>(FChars.size()));
    FAnchor = FCaret = pos;
    ScrollToCaret();
    Invalidate();
}

void TEdit::SetSelLength(int len) {
    int start = SelStart();
    FAnchor = start;
    FCaret = std::clamp(start + len, 0, static_cast<int>(FChars.size()));
    ScrollToCaret();
    Invalidate();
}

std::string TEdit::SelText() const {
    return Utf8Encode(std::u32string_view(FChars).substr(SelStart(), SelLength()));
}

void TEdit::SetSelText(const std::string& utf8) {
    std::u32string add = Utf8Decode(utf8);
    // One line only, as a single-line field takes it.
    size_t eol = add.find_first_of(U"\r\n");
    if (eol != std::u32string::npos) add.resize(eol);
    if (FMaxLength > 0) {
        int room = FMaxLength - (static_cast<int>(FChars.size()) - SelLength());
        add.resize(std::clamp(static_cast<int>(add.size()), 0, std::max(room, 0)));
    }
    if (add.empty() && SelLength() == 0) return;
    ReplaceRange(SelStart(), SelStart() + SelLength(), add);
}

void TEdit::SelectAll() {
    FAnchor = 0;
    FCaret = static_cast<int>(FChars.size());
    ScrollToCaret();
    Invalidate();
}

void TEdit::ClearSelection() {
    if (SelLength() > 0) ReplaceRange(SelStart(), SelStart() + SelLength(), U"");
}

void TEdit::CopyToClipboard() {
    if (!FPasswordChar.empty() || SelLength() == 0 || !HasHost()) return;
    Host().SetClipboardText(SelText());
}

void TEdit::CutToClipboard() {
    if (!FPasswordChar.empty() || FReadOnly || SelLength() == 0) return;
    CopyToClipboard();
    ClearSelection();
}

void TEdit::PasteFromClipboard() {
    if (FReadOnly || !HasHost()) return;
    SetSelText(Host().ClipboardText());
}

void TEdit::ReplaceRange(int from, int to, std::u32string_view with) {
    FUndo = TEditUndo{FChars, FCaret, true};
    FChars.replace(from, to - from, with);
    FAnchor = FCaret = from + static_cast<int>(with.size());
    SyncText();
}

void TEdit::Undo() {
    if (!FUndo.Set || FReadOnly) return;
    std::swap(FChars, FUndo.Chars);
    std::swap(FCaret, FUndo.Caret);
    FCaret = std::clamp(FCaret, 0, static_cast<int>(FChars.size()));
    FAnchor = FCaret;
    SyncText();
}

// The text property follows the characters without resetting the caret.
void TEdit::SyncText() {
    FSyncing = true;
    TControlRef self(this);
    try {
        SetText(Utf8Encode(FChars));
    } catch (...) {
        if (self) FSyncing = false;
        throw;
    }
    if (!self) return;
    FSyncing = false;
    ScrollToCaret();
    RestartBlink();
    Invalidate();
}

void TEdit::MoveCaret(int pos, bool extend) {
    pos = std::clamp(pos, 0, static_cast<int>(FChars.size()));
    FCaret = pos;
    if (!extend) FAnchor = pos;
    ScrollToCaret();
    RestartBlink();
    Invalidate();
}

int TEdit::WordLeft(int pos) const {
    while (pos > 0 && !IsWordChar(FChars[pos - 1]))
        --pos;
    while (pos > 0 && IsWordChar(FChars[pos - 1]))
        --pos;
    return pos;
}

int TEdit::WordRight(int pos) const {
    int n = static_cast<int>(FChars.size());
    while (pos < n && IsWordChar(FChars[pos]))
        ++pos;
    while (pos < n && !IsWordChar(FChars[pos]))
        ++pos;
    return pos;
}

// --- geometry ----------------------------------------------------------------------

std::u32string TEdit::DisplayText() const {
    if (FPasswordChar.empty()) return FChars;
    return std::u32string(FChars.size(), Utf8Decode(FPasswordChar)[0]);
}

int TEdit::TextLeft() const {
    return kBorder + kMargin - FScroll;
}

int TEdit::PosToX(int pos) const {
    std::u32string shown =
        DisplayText().substr(0, std::clamp(pos, 0, static_cast<int>(FChars.size())));
    return TextLeft() + MeasureCanvas(*Font()).TextWidth(Utf8Encode(shown));
}

int TEdit::XToPos(int x) const {
    std::u32string shown = DisplayText();
    TCanvas& c = MeasureCanvas(*Font());
    int prev = TextLeft();
    for (size_t i = 0; i < shown.size(); ++i) {
        int next = TextLeft() + c.TextWidth(Utf8Encode(shown.substr(0, i + 1)));
        if (x < (prev + next) / 2) return static_cast<int>(i);
        prev = next;
    }
    return static_cast<int>(shown.size());
}

void TEdit::ScrollToCaret() {
    int inner = Width() - 2 * (kBorder + kMargin);
    if (inner <= 0) return;
    int x = PosToX(FCaret) - TextLeft(); // caret offset from the text's start
    if (x - FScroll > inner) FScroll = x - inner;
    if (x < FScroll) FScroll = std::max(0, x - inner / 3);
    int full = PosToX(static_cast<int>(FChars.size())) - TextLeft();
    if (full - FScroll < inner) FScroll = std::max(0, full - inner);
}

// --- caret ---------------------------------------------------------------------------

void TEdit::RestartBlink() {
    FCaretOn = true;
    if (!Focused()) return;
    SetTimer(Handle(), kCaretTimer, kBlinkMs);
    FBlinking = true;
}

void TEdit::StopBlink() {
    if (FBlinking) KillTimer(Handle(), kCaretTimer);
    FBlinking = false;
}

// --- messages ----------------------------------------------------------------------------

void TEdit::Change() {
    if (OnChange) OnChange(this);
}

void TEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
        return;
    case CM_TEXTCHANGED:
        if (!FSyncing) {
            FChars = Utf8Decode(Text());
            FUndo = TEditUndo{};
            FAnchor = FCaret = 0;
            FScroll = 0;
        }
        Invalidate();
        if (!IsLoading()) Change();
        return;
    case WM_SETFOCUS:
        TCustomControl::WndProc(m);
        if (FAutoSelect && !(FControlState & csLButtonDown) && !IsKeyDown(VK_LBUTTON)) SelectAll();
        RestartBlink();
        Invalidate();
        return;
    case WM_KILLFOCUS:
        StopBlink();
        Invalidate();
        break;
    case WM_TIMER:
        if (m.WParam == kCaretTimer) {
            FCaretOn = !FCaretOn;
            Invalidate();
            return;
        }
        break;
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_CLEAR:
        if (!FReadOnly) ClearSelection();
        return;
    case WM_UNDO:
        Undo();
        return;
    case WM_LBUTTONUP:
        FMouseSelecting = false;
        break;
    case WM_CAPTURECHANGED:
        FMouseSelecting = false;
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

void TEdit::KeyDown(int& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    bool ext = shift & ssShift, ctrl = shift & ssCtrl;
    int n = static_cast<int>(FChars.size());
    switch (key) {
    case VK_LEFT:
        MoveCaret(ctrl ? WordLeft(FCaret) : (!ext && SelLength() ? SelStart() : FCaret - 1), ext);
        break;
    case VK_RIGHT:
        MoveCaret(ctrl ? WordRight(FCaret)
                       : (!ext && SelLength() ? SelStart() + SelLength() : FCaret + 1),
                  ext);
        break;
    case VK_HOME:
        MoveCaret(0, ext);
        break;
    case VK_END:
        MoveCaret(n, ext);
        break;
    case VK_DELETE:
        if (ext)
            CutToClipboard();
        else if (FReadOnly)
            break;
        else if (SelLength())
            ClearSelection();
        else if (FCaret < n)
            ReplaceRange(FCaret, ctrl ? WordRight(FCaret) : FCaret + 1, U"");
        break;
    case VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (ext)
            PasteFromClipboard();
        break;
    default:
        if (ctrl && !ext && !(shift & ssAlt)) {
            if (key == 'A')
                SelectAll();
            else if (key == 'C')
                CopyToClipboard();
            else if (key == 'X')
                CutToClipboard();
            else if (key == 'V')
                PasteFromClipboard();
            else if (key == 'Z')
                Undo();
            else
                return;
            key = 0;
        }
        return;
    }
    key = 0;
}

void TEdit::KeyPress(uint32_t& key) {
    TCustomControl::KeyPress(key);
    if (key == 0) return;
    if (key == VK_BACK) {
        if (!FReadOnly) {
            if (SelLength())
                ClearSelection();
            else if (FCaret > 0)
                ReplaceRange(IsKeyDown(VK_CONTROL) ? WordLeft(FCaret) : FCaret - 1, FCaret, U"");
        }
        key = 0;
        return;
    }
    if (key < 0x20 || key == 0x7F) return; // other control characters are not text
    if (IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_MENU)) return;
    if (!FReadOnly) {
        char32_t c = static_cast<char32_t>(key);
        if (FMaxLength == 0 || static_cast<int>(FChars.size()) - SelLength() < FMaxLength)
            ReplaceRange(SelStart(), SelStart() + SelLength(), std::u32string_view(&c, 1));
    }
    key = 0;
}

void TEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (!(shift & ssDouble)) {
            MoveCaret(XToPos(x), shift & ssShift);
            FMouseSelecting = true;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TEdit::MouseMove(TShiftState shift, int x, int y) {
    if (FMouseSelecting && (shift & ssLeft)) MoveCaret(XToPos(x), true);
    TCustomControl::MouseMove(shift, x, y);
}

void TEdit::DblClick() {
    FAnchor = WordLeft(std::min(FCaret + 1, static_cast<int>(FChars.size())));
    if (FAnchor > FCaret) FAnchor = FCaret;
    MoveCaret(WordRight(FCaret), true);
    FMouseSelecting = false;
    TCustomControl::DblClick();
}

// --- painting ----------------------------------------------------------------------------

void TEdit::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    DrawSunkenEdge(c, r);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    c.FillRect(r);
    c.IntersectClipRect(Rect(r.Left + kMargin - 1, r.Top, r.Right - kMargin + 1, r.Bottom));
    std::string shown = Utf8Encode(DisplayText());
    int lineHeight = c.TextHeight("Wg");
    int y = r.Top + (r.Height() - lineHeight) / 2;
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    c.TextOut(TextLeft(), y, shown);
    bool focused = Focused();
    if (SelLength() > 0 && focused) {
        int x0 = PosToX(SelStart()), x1 = PosToX(SelStart() + SelLength());
        TRect sel = Rect(x0, y, x1, y + lineHeight);
        c.Brush()->SetColor(clHighlight);
        c.FillRect(sel);
        c.SaveDC();
        c.IntersectClipRect(sel);
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetColor(clHighlightText);
        c.TextOut(TextLeft(), y, shown);
        c.RestoreDC();
    }
    if (focused && FCaretOn) {
        int x = PosToX(FCaret);
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Font()->Color());
        c.FillRect(Rect(x, y, x + 1, y + lineHeight));
    }
}
