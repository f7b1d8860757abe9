// TsSkinProvider: the window procedure that replaces the form's. Skin
// commands are answered whether or not the frame is skinned; the frame's
// messages only while a skin is active; everything else goes to the form's
// own procedure (OldWndProc).

#include <cstdlib>

#include "frame/TsSkinProvider.h"
#include "framework/forms/TApplication.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/WinApi.h"
#include "platform/services/SystemMetrics.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"

namespace {
constexpr intptr_t AnswerYes = 1;
// The largest window is the work area with a frame's slack on each side.
constexpr int MaxTrackSlack = 6;
} // namespace

void TsSkinProvider::NewWndProc(TMessage& m) {
    if (!FForm || FForm->IsDestroying() || IsDestroying()) return OldWndProc(m);
    if (IsSkinMessage(m)) return HandleSkinCommand(m);
    if (!SkinActive() || !HandleFrameMessage(m)) OldWndProc(m);
}

void TsSkinProvider::HandleSkinCommand(TMessage& m) {
    switch (SkinCommandCode(m)) {
    case SKC_SETNEWSKIN:
    case SKC_REFRESH:
        // A provider read before its form's manager finds the manager now.
        if (!FSkinManager) FSkinManager = GlobalSkinData->DefaultManager;
        if (GlobalSkinData->SkinReady && !SkinMasks.empty()) TakeOverSkin();
        UpdateMaskIndexes();
        HotCode = -1;
        RgnChanged = true;
        RepaintFrame();
        if (SkinCommandCode(m) == SKC_REFRESH) {
            if (FUseGlobalColor && FSkinManager && SkinActive())
                FForm->SetColor(FSkinManager->GetDefaultColor());
            BroadcastToChildren(FForm, m);
        }
        return;
    case SKC_REMOVESKIN:
        FSkinData->HandleCommand(m);
        GiveBackSkin();
        OldWndProc(m);
        return;
    case SKC_GETPROVIDER:
        m.Result = reinterpret_cast<intptr_t>(this);
        return;
    case SKC_GETCACHE:
        CacheInfo = TCacheInfo{};
        if (!SkinActive()) return;
        if (FSkinData->BGChanged) PaintAll();
        CacheInfo = TCacheInfo{FSkinData->CacheBmp(), FForm->ClientInWindow().Left,
                               FForm->ClientInWindow().Top, true, FSkinData->PictureVersion()};
        return;
    case SKC_ISSKINNED:
        m.LParam = SkinActive() ? AnswerYes : 0;
        return;
    case SKC_SETUPDATING:
    case SKC_SETFROZEN:
    case SKC_ISUPDATING:
    case SKC_SETLINKEDOBJECT:
    case SKC_HASCOMPLEXBG:
    case SKC_GETBGCOLOR:
        FSkinData->HandleCommand(m);
        return;
    default:
        OldWndProc(m);
        return;
    }
}

// True when the message was taken and must not reach the form's procedure.
bool TsSkinProvider::HandleFrameMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
        if (!FForm->Visible() || FForm->IsLoading() || FSkinData->IsUpdating()) return true;
        if (RgnChanged && !RgnChanging) UpdateRegion();
        if (HDC dc = GetWindowDC(FForm->Handle())) {
            PaintForm(dc);
            ReleaseDC(FForm->Handle(), dc);
        }
        return true;
    case WM_NCACTIVATE:
        OldWndProc(m);
        FormActive = m.WParam != 0;
        if (!FormActive) FSystemMenu->CloseUp();
        RepaintFrame();
        return true;
    case WM_SETTEXT:
        OldWndProc(m);
        RepaintFrame();
        return true;
    case WM_ERASEBKGND:
        EraseClient(WParamToDC(m.WParam));
        m.Result = 1;
        return true;
    case WM_WINDOWPOSCHANGING:
        if (FScreenSnap) SnapToScreen(reinterpret_cast<TWindowPos*>(m.LParam));
        return false;
    case WM_WINDOWPOSCHANGED:
    case WM_EXITSIZEMOVE:
        WindowPosChanged(m);
        return true;
    case WM_GETMINMAXINFO:
        if (auto* mmi = reinterpret_cast<TMinMaxInfo*>(m.LParam)) {
            TRect work;
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            mmi->ptMaxTrackSize = {work.Width() + MaxTrackSlack, work.Height() + MaxTrackSlack};
        }
        return false;
    case WM_NCHITTEST:
        return NCHitTest(m);
    case WM_NCLBUTTONDOWN:
        return NCButtonDown(m);
    case WM_NCLBUTTONUP:
        return NCButtonUp(m);
    case WM_NCLBUTTONDBLCLK:
        return NCButtonDblClk(m);
    case WM_NCRBUTTONDOWN:
        return m.WParam == HTCAPTION || m.WParam == HTSYSMENU;
    case WM_NCRBUTTONUP:
        if (m.WParam != HTCAPTION && m.WParam != HTSYSMENU) return false;
        SetHot(HTNOWHERE);
        DropSysMenu(LParamToPoint(m.LParam).X, LParamToPoint(m.LParam).Y);
        return true;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        SetHot(HTNOWHERE);
        return false;
    case WM_SYSCOMMAND:
        if ((m.WParam & SC_COMMANDMASK) != SC_KEYMENU || m.LParam != ' ') return false;
        {
            const TRect wr = GetWindowRect(FForm->Handle());
            DropSysMenu(wr.Left + SysBorderWidth(), wr.Top + SysBorderHeight() + CaptionHeight());
        }
        return true;
    default:
        return false;
    }
}

void TsSkinProvider::WindowPosChanged(TMessage& m) {
    if (RgnChanging) return OldWndProc(m);
    RgnChanged = true;
    OldWndProc(m);
    const TSize size{FForm->Width(), FForm->Height()};
    if (size.cx == FLastSize.cx && size.cy == FLastSize.cy) return;
    FLastSize = size;
    FSkinData->BGChanged = true;
    HotCode = -1;
    FForm->InvalidateFrame();
    FForm->Invalidate();
}

// A move that brings an edge within SnapBuffer pixels of the work area's
// edge puts it on that edge.
void TsSkinProvider::SnapToScreen(TWindowPos* pos) const {
    if (!pos || (pos->flags & SWP_NOMOVE) || FForm->WindowState() != wsNormal) return;
    TRect work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    auto snap = [this](int& at, int size, int low, int high) {
        if (std::abs(at - low) <= FSnapBuffer)
            at = low;
        else if (std::abs(at + size - high) <= FSnapBuffer)
            at = high - size;
    };
    snap(pos->x, pos->cx, work.Left, work.Right);
    snap(pos->y, pos->cy, work.Top, work.Bottom);
}

bool TsSkinProvider::NCHitTest(TMessage& m) {
    if (FBorderStyle == bsNone) return false;
    int code = HitTest(LParamToPoint(m.LParam));
    if (code == HTNOWHERE || (code == HTCAPTION && FForm->WindowState() != wsMaximized)) {
        OldWndProc(m);
        SetHot(HTNOWHERE);
        return true;
    }
    m.Result = code;
    return true;
}

// --- the non-client mouse -------------------------------------------------------------------

void TsSkinProvider::SendCommand(uint32_t command) {
    FForm->Perform(WM_SYSCOMMAND, command);
}

bool TsSkinProvider::NCButtonDown(TMessage& m) {
    FSystemMenu->CloseUp();
    const int code = static_cast<int>(m.WParam);
    const TPoint at = LParamToPoint(m.LParam);
    if (ButtonOf(code) && code < HTUSERBUTTON) {
        Press(code);
        return true;
    }
    if (code >= HTUSERBUTTON && ButtonOf(code)) {
        Press(code);
        TsTitleButton* u = FTitleButtons->Item(code - HTUSERBUTTON);
        if (u->OnMouseDown) u->OnMouseDown(u, mbLeft, 0, at.X, at.Y);
        return true;
    }
    if (code == HTSYSMENU) {
        SetHot(HTNOWHERE);
        const TRect wr = GetWindowRect(FForm->Handle());
        DropSysMenu(wr.Left + SysBorderWidth(), wr.Top + SysBorderHeight() + IconHeight());
        return true;
    }
    if (FForm->WindowState() == wsMinimized) {
        SendCommand(SC_DRAGMOVE);
        return true;
    }
    return code == HTCAPTION && FForm->WindowState() == wsMaximized;
}

bool TsSkinProvider::NCButtonUp(TMessage& m) {
    const int code = static_cast<int>(m.WParam);
    const int pressed = FPressedCode;
    FPressedCode = 0;
    if (!pressed) return false;
    if (code != pressed) {
        SetHot(HTNOWHERE);
        return true;
    }
    RunButton(code, LParamToPoint(m.LParam));
    return true;
}

void TsSkinProvider::RunButton(int code, TPoint at) {
    TControlRef form(FForm);
    switch (code) {
    case HTCLOSE:
        SetHot(HTNOWHERE);
        SendCommand(SC_CLOSE);
        break;
    case HTMAXBUTTON:
        SendCommand(FForm->WindowState() == wsMaximized ? SC_RESTORE : SC_MAXIMIZE);
        if (form) SetHot(HTNOWHERE), FSystemMenu->UpdateItems();
        break;
    case HTMINBUTTON:
        SetHot(HTNOWHERE);
        SendCommand(FForm->WindowState() == wsMinimized ? SC_RESTORE : SC_MINIMIZE);
        break;
    case HTHELP:
        SendCommand(SC_CONTEXTHELP);
        if (form) SetHot(HTNOWHERE), FSystemMenu->UpdateItems();
        break;
    default:
        if (code >= HTUSERBUTTON && ButtonOf(code)) {
            TsTitleButton* u = FTitleButtons->Item(code - HTUSERBUTTON);
            if (u->OnMouseUp) u->OnMouseUp(u, mbLeft, 0, at.X, at.Y);
            if (form) SetHot(HTNOWHERE);
        }
        break;
    }
}

bool TsSkinProvider::NCButtonDblClk(TMessage& m) {
    const int code = static_cast<int>(m.WParam);
    if (code == HTSYSMENU) {
        FForm->Close();
        return true;
    }
    if (code == HTCAPTION) {
        if (!MaxEnabled() && !RestoreEnabled()) return true;
        if (FForm->WindowState() == wsMaximized)
            FForm->SetWindowState(wsNormal);
        else
            SendCommand(SC_MAXIMIZE);
        FSystemMenu->UpdateItems();
        return true;
    }
    return NCButtonDown(m);
}

// --- the system menu -----------------------------------------------------------------------

void TsSkinProvider::DropSysMenu(int x, int y) {
    if (FMakeSkinMenu) FSystemMenu->MakeSkinItems();
    FSystemMenu->UpdateItems();
    if (OnDropSysMenu)
        OnDropSysMenu(*this, {x, y});
    else
        FSystemMenu->Popup({x, y});
}
