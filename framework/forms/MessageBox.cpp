#include "forms/MessageBox.h"

#include <algorithm>
#include <cstring>

#include "forms/TApplication.h"
#include "forms/TForm.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"
#include "platform/VirtualKeys.h"
#include "window/TCustomControl.h"

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

// The box's one button: Enter, Escape, space and a click all answer OK.
class TMessageBoxButton : public TCustomControl {
public:
    explicit TMessageBoxButton(TComponent* owner) : TCustomControl(owner) {
        SetTabStop(true);
        FControlStyle |= csOpaque;
    }

    void WndProc(TMessage& m) override {
        switch (m.Msg) {
        case CM_DIALOGKEY:
            if (static_cast<int>(m.WParam) == VK_RETURN ||
                static_cast<int>(m.WParam) == VK_ESCAPE) {
                Answer();
                m.Result = 1;
                return;
            }
            break;
        case WM_KEYUP:
            if (static_cast<int>(m.WParam) == VK_SPACE) Answer();
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Invalidate();
            break;
        default:
            break;
        }
        TCustomControl::WndProc(m);
    }

protected:
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
        SetFocus();
        TCustomControl::MouseDown(b, s, x, y);
    }
    void Click() override { Answer(); }

    void Paint() override {
        TCanvas* c = Canvas();
        TRect r = ClientRect();
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(r);
        c->Brush()->SetColor(cl3DDkShadow);
        c->FrameRect(r);
        c->Brush()->SetColor(clBtnShadow);
        c->FillRect(Rect(r.Left + 1, r.Bottom - 2, r.Right - 1, r.Bottom - 1));
        c->FillRect(Rect(r.Right - 2, r.Top + 1, r.Right - 1, r.Bottom - 1));
        c->Brush()->SetColor(clBtnHighlight);
        c->FillRect(Rect(r.Left + 1, r.Top + 1, r.Right - 2, r.Top + 2));
        c->FillRect(Rect(r.Left + 1, r.Top + 1, r.Left + 2, r.Bottom - 2));
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(clBtnText);
        TRect t = r;
        c->DrawText(Caption(), t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (Focused()) c->DrawFocusRect(Rect(r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4));
    }

private:
    void Answer() {
        if (auto* f = GetParentForm()) f->SetModalResult(mrOk);
    }
};

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
        auto* ok = new TMessageBoxButton(this);
        ok->SetName("OKButton");
        ok->SetParent(this);
        ok->SetCaption("OK");
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
