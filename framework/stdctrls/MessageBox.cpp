#include "stdctrls/MessageBox.h"

#include <algorithm>
#include <cstring>

#include "forms/TApplication.h"
#include "forms/TForm.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"
#include "stdctrls/TButton.h"

namespace {
std::vector<TMessageBoxRecord>& Log() {
    static std::vector<TMessageBoxRecord> log;
    return log;
}

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kMaxTextWidth = 420;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

class TMessageForm : public TForm {
public:
    TMessageForm(TComponent* owner, const TMessageBoxRecord& rec) : TForm(owner), FRec(rec) {
        SetBorderStyle(bsDialog);
        SetBorderIcons(biSystemMenu);
        SetPosition(poScreenCenter);
        SetCaption(rec.Caption);
        SetColor(clBtnFace);
        Layout();
    }

protected:
    void Paint() override {
        TCanvas* c = Canvas();
        if (FRec.StopIcon) PaintStopIcon(c, kMargin, kMargin);
        c->SetFont(*Font());
        c->Brush()->SetStyle(bsClear);
        TRect t = FTextRect;
        c->DrawText(FRec.Text, t, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    }

private:
    void Layout() {
        TBitmap probe(1, 1);
        probe.Canvas()->SetFont(*Font());
        TRect t = Rect(0, 0, kMaxTextWidth, 0);
        probe.Canvas()->DrawText(FRec.Text.empty() ? " " : FRec.Text, t,
                                 DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX |
                                     DT_EXPANDTABS);
        int left = kMargin + (FRec.StopIcon ? kIconSize + kMargin : 0);
        int textTop = kMargin + (FRec.StopIcon ? std::max(0, (kIconSize - t.Height()) / 2) : 0);
        FTextRect = Bounds(left, textTop, t.Width(), t.Height());
        int contentBottom = std::max(FTextRect.Bottom, FRec.StopIcon ? kMargin + kIconSize : 0);
        int width = std::max(left + t.Width() + kMargin, kButtonWidth + 2 * kMargin);
        int height = contentBottom + kMargin + kButtonHeight + kMargin;
        SetClientSize(width, height);
        // Enter, Escape, Space and a click all answer OK.
        auto* ok = new TButton(this);
        ok->SetName("OKButton");
        ok->SetParent(this);
        ok->SetCaption("OK");
        ok->SetDefault(true);
        ok->SetCancel(true);
        ok->SetModalResult(mrOk);
        ok->SetBounds((width - kButtonWidth) / 2, contentBottom + kMargin, kButtonWidth,
                      kButtonHeight);
        SetActiveControl(ok);
    }

    static void PaintStopIcon(TCanvas* c, int x, int y) {
        c->Brush()->SetColor(clRed);
        c->Pen()->SetColor(clMaroon);
        c->Ellipse(x, y, x + kIconSize, y + kIconSize);
        c->Pen()->SetColor(clWhite);
        c->Pen()->SetWidth(3);
        c->MoveTo(x + 10, y + 10);
        c->LineTo(x + 22, y + 22);
        c->MoveTo(x + 22, y + 10);
        c->LineTo(x + 10, y + 22);
        c->Pen()->SetWidth(1);
    }

    TMessageBoxRecord FRec;
    TRect FTextRect;
};
} // namespace

int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    TMessageBoxRecord rec{caption, text, (flags & MB_ICONMASK) == MB_ICONSTOP, flags};
    Log().push_back(rec);
    if (!HasHost() || std::strcmp(Host().Name(), "headless") == 0) return IDOK;
    auto* form = new TMessageForm(Application, rec);
    TControlRef ref(form);
    form->ShowModal();
    if (ref) form->Free();
    return IDOK;
}

const std::vector<TMessageBoxRecord>& MessageBoxLog() {
    return Log();
}

void ClearMessageBoxLog() {
    Log().clear();
}
