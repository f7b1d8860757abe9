#pragma once
// The plain single-line edit. Text is UTF-8 outside and code points inside:
// positions (SelStart, SelLength) count characters, not bytes.
//
// Keys: arrows, Home and End move the caret (Shift extends the selection,
// Ctrl moves by words); Backspace and Delete remove; Ctrl+A selects all;
// Ctrl+X/C/V and Shift+Del, Ctrl+Ins, Shift+Ins cut, copy and paste through
// the host clipboard. The mouse places the caret and drag selects; a double
// click selects a word. Ctrl+Z (or WM_UNDO) undoes the last change, and
// undoing again redoes it. With PasswordChar set every character shows as it,
// and nothing can be cut or copied out. The caret blinks while focused.

#include <string>

#include "window/TCustomControl.h"

class TEdit : public TCustomControl {
public:
    explicit TEdit(TComponent* owner);
    ~TEdit() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    // Characters, 0 for no limit; applies to typing and pasting.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int n) { FMaxLength = n < 0 ? 0 : n; }
    // UTF-8 of one character, or empty for plain text.
    const std::string& PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(const std::string& c);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v) { FReadOnly = v; }
    // Select everything when focus arrives by the keyboard.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool v) { FAutoSelect = v; }

    int SelStart() const;
    void SetSelStart(int pos);
    int SelLength() const;
    void SetSelLength(int len);
    std::string SelText() const;
    // Replaces the selection (typing does this), within MaxLength.
    void SetSelText(const std::string& utf8);
    void SelectAll();
    void ClearSelection();
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return FUndo.Set; }
    // Swaps the text with the one before the last change.
    void Undo();
    // Where the caret stands, in characters.
    int CaretPos() const { return FCaret; }
    bool CaretVisible() const { return FCaretOn && Focused(); }
    // The text as drawn: password characters instead of the letters.
    std::u32string DisplayText() const;
    // Client x of the left edge of character pos, and the position nearest to x.
    int PosToX(int pos) const;
    int XToPos(int x) const;

    TNotifyEvent OnChange;

    void WndProc(TMessage& m) override;

protected:
    void Paint() override;
    virtual void Change();
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(uint32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void DblClick() override;

private:
    void ReplaceRange(int from, int to, std::u32string_view with);
    void MoveCaret(int pos, bool extend);
    int WordLeft(int pos) const;
    int WordRight(int pos) const;
    void ScrollToCaret();
    void RestartBlink();
    void StopBlink();
    int TextLeft() const;

    // The text before the last change, for the one-level undo.
    struct TEditUndo {
        std::u32string Chars;
        int Caret = 0;
        bool Set = false;
    };

    void SyncText();

    std::u32string FChars;
    TEditUndo FUndo;
    int FAnchor = 0; // the fixed end of the selection
    int FCaret = 0;  // the moving end, where the caret is
    int FScroll = 0; // pixels of text hidden on the left
    int FMaxLength = 0;
    std::string FPasswordChar;
    bool FReadOnly = false;
    bool FAutoSelect = true;
    bool FSyncing = false;
    bool FMouseSelecting = false;
    bool FCaretOn = true;
    bool FBlinking = false;
};
