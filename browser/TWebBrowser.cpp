#include "browser/TWebBrowser.h"

#include <chrono>
#include <filesystem>

#include "browser/PageAddress.h"
#include "browser/PaneScrollBarLook.h"
#include "browser/TPageFetcher.h"
#include "framework/component/PropertyHelpers.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TMessageLoop.h"
#include "framework/graphics/BevelPaint.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/WinApi.h"
#include "platform/services/SystemMetrics.h"

namespace {
// The sunken edge around the page.
constexpr int kBorder = 2;
// How long one wait for the worker lasts before the loop runs again.
constexpr unsigned kLoadWaitSliceMs = 50;
} // namespace

TWebBrowser::TWebBrowser(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csCaptureMouse | csClickEvents | csOpaque;
    SetBounds(0, 0, 300, 150);
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    TPageContainer::TCallbacks callbacks;
    callbacks.LoadPicture = [this](const std::string& url) {
        Fetcher().Fetch(url, TFetchKind::fkPicture);
    };
    callbacks.LinkClicked = [this](const std::string& url, const std::string& target) {
        LinkClicked(url, target);
    };
    callbacks.CursorChanged = [this](const std::string& cursor) { CursorChanged(cursor); };
    FView.Container().SetCallbacks(std::move(callbacks));
}

TWebBrowser::~TWebBrowser() {
    // The worker goes first: nothing may call back into a pane half gone.
    FFetcher.reset();
}

const TClassInfo* TWebBrowser::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TWebBrowser>(
        "TWebBrowser", TCustomControl::StaticClassInfo(),
        {EventProp("OnNavigateComplete", &TWebBrowser::OnNavigateComplete)});
    return &info;
}

const TClassInfo* TWebBrowser::ClassInfo() const {
    return StaticClassInfo();
}

TPageFetcher& TWebBrowser::Fetcher() {
    if (!FFetcher) {
        const HWND self = Handle();
        FFetcher = std::make_unique<TPageFetcher>(FLimits, [self] {
            TMessageLoop::Instance().PostFromThread(self, WM_PAGEFETCHED, 0, 0);
        });
    }
    return *FFetcher;
}

void TWebBrowser::SetFetchLimits(const TFetchLimits& limits) {
    FLimits = limits;
    FFetcher.reset(); // the next transfer starts a worker with these
    FLoad.PageRequest = 0;
}

void TWebBrowser::Navigate(const std::string& url) {
    FHistory.clear();
    Open(url, false);
}

bool TWebBrowser::GoBack() {
    if (FHistory.empty()) return false;
    const std::string previous = FHistory.back();
    FHistory.pop_back();
    Open(previous, false);
    return true;
}

void TWebBrowser::Open(const std::string& url, bool remember) {
    if (remember && !FLocationURL.empty()) FHistory.push_back(FLocationURL);
    FLocationURL = url;
    FFailure.clear();
    if (FFetcher) FFetcher->CancelAll();
    FLoad = TLoadState{};
    FView.Clear();
    FScroll.SetPosition(0);
    LayOut();
    const TPageAddress address = ResolvePageAddress(url, std::filesystem::current_path().string());
    if (address.Kind == TAddressKind::akRefused) {
        TFetchResult refused;
        refused.Failure = TFetchFailure::ffRefused;
        ShowFailure(url, FailureReason(refused, FLanguage, FLimits));
    } else if (address.Kind != TAddressKind::akEmpty) {
        const size_t hash = address.Url.find('#');
        if (hash != std::string::npos) FLoad.Fragment = address.Url.substr(hash + 1);
        FLoad.Waiting = WithoutFragment(address.Url);
        PostMessage(Handle(), WM_PAGEREQUESTED);
    }
    PageChanged();
}

bool TWebBrowser::Busy() const {
    return !FLoad.Waiting.empty() || (FFetcher && FFetcher->Pending() > 0);
}

void TWebBrowser::RequestWaitingPage() {
    if (FLoad.Waiting.empty()) return; // asked for again since, and handed over then
    FLoad.PageRequest = Fetcher().Fetch(FLoad.Waiting, TFetchKind::fkPage);
    FLoad.Waiting.clear();
}

bool TWebBrowser::WaitUntilLoaded(unsigned ms) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (Application) Application->ProcessMessages();
        if (!Busy()) return true;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0) return false;
        TMessageLoop::Instance().WaitForThreadPost(
            static_cast<unsigned>(std::min<long long>(left, kLoadWaitSliceMs)));
    }
}

void TWebBrowser::ShowPage(const std::string& html, const std::string& baseUrl) {
    FView.Load(html, baseUrl);
    FScroll.SetPosition(0);
    LayOut();
    PageChanged();
}

TRect TWebBrowser::PageRect() const {
    TRect r = ClientRect();
    r = TRect{r.Left + kBorder, r.Top + kBorder, r.Right - kBorder, r.Bottom - kBorder};
    if (FScroll.Needed()) r.Right = FScroll.Bounds().Left;
    return r;
}

// Lays the page out at the viewport's width; when it is taller than the
// viewport, again at the width the scroll bar leaves.
void TWebBrowser::LayOut() {
    const TRect c = ClientRect();
    const TRect inner{c.Left + kBorder, c.Top + kBorder, c.Right - kBorder, c.Bottom - kBorder};
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    FScroll.SetBounds(TRect{inner.Right - bar, inner.Top, inner.Right, inner.Bottom});
    FView.Layout(inner.Width(), inner.Height());
    if (FView.ContentHeight() > inner.Height()) FView.Layout(inner.Width() - bar, inner.Height());
    FScroll.SetRange(FView.ContentHeight(), inner.Height());
}

void TWebBrowser::SetScrollTop(int top) {
    if (FScroll.SetPosition(top)) PageChanged();
}

void TWebBrowser::Resize() {
    TCustomControl::Resize();
    LayOut();
    PageChanged();
}

void TWebBrowser::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    DrawSunkenEdge(c, r);
    const TRect page = PageRect();
    if (page.IsEmpty()) return;
    if (FView.HasPage()) {
        if (FPaintState.Stale || FPagePicture.Width() != page.Width() ||
            FPagePicture.Height() != page.Height()) {
            FPagePicture.SetSize(page.Width(), page.Height());
            FView.Paint(FPagePicture, TRect{0, 0, page.Width(), page.Height()}, ScrollTop());
            FPaintState.Stale = false;
        }
        c.Draw(page.Left, page.Top, FPagePicture);
    } else {
        // Without a page (none configured, or not come yet) the pane is the
        // white that the page picture would hold: no picture is kept for it.
        FPagePicture.SetSize(0, 0);
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(clWhite);
        c.FillRect(page);
    }
    if (FScroll.Needed()) PaintPaneScrollBar(c, FScroll);
}
