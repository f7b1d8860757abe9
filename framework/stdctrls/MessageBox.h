#pragma once
// Message boxes: modal, a small plain dialog with the text, the caption, an
// optional stop icon and one OK button (a TButton). Every box is
// recorded; on the headless host it is answered at once (IDOK) instead of
// waiting, so tests read what was shown from MessageBoxLog().

#include <string>
#include <vector>

constexpr unsigned MB_OK = 0x00000000;
constexpr unsigned MB_ICONHAND = 0x00000010;
constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
constexpr unsigned MB_ICONERROR = MB_ICONHAND;
constexpr unsigned MB_ICONQUESTION = 0x00000020;
constexpr unsigned MB_ICONWARNING = 0x00000030;
constexpr unsigned MB_ICONINFORMATION = 0x00000040;
constexpr unsigned MB_ICONMASK = 0x000000F0;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

struct TMessageBoxRecord {
    std::string Caption;
    std::string Text;
    bool StopIcon = false;
    unsigned Flags = 0;
};

// Shows the box and returns when it is closed (IDOK).
int MessageBox(const std::string& text, const std::string& caption, unsigned flags = MB_OK);

const std::vector<TMessageBoxRecord>& MessageBoxLog();
void ClearMessageBoxLog();
