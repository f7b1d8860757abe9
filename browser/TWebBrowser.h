#pragma once
// The news pane: shows a page from a server or a file, rendered. Navigate
// hands the address to the fetcher's worker and returns; the page, then each
// of its pictures, arrive as posted messages and are laid out and painted
// as they come, so the window never waits. Failures show a short page in
// the launcher's language. Links open in the pane (Backspace and Alt+Left go
// back); a link with target "_blank" and a middle click open in the
// desktop's browser.
//
// Construction, navigation and painting here; the fetcher's results in
// TWebBrowserLoad.cpp; mouse, wheel and keys in TWebBrowserInput.cpp.

#include <memory>
#include <string>
#include <vector>

#include "browser/BrowserTexts.h"
#include "browser/TPageView.h"
#include "browser/TPaneScrollBar.h"
#include "framework/window/TCustomControl.h"

class TPageFetcher;

// Posted by the fetcher's worker: results wait in the fetcher.
constexpr uint32_t WM_PAGEFETCHED = WM_APP + 0x140;
// Posted by Navigate: the page asked for goes to the fetcher at the loop's
// next turn. A page asked for while the windows are made (the launcher's,
// in FormCreate) is then fetched once the first frame is on the screen: its
// fetching beside the display's start slowed that frame down.
constexpr uint32_t WM_PAGEREQUESTED = WM_APP + 0x141;

class TWebBrowser : public TCustomControl {
public:
    explicit TWebBrowser(TComponent* owner);
    ~TWebBrowser() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    void Navigate(const std::string& url);
    const std::string& LocationURL() const { return FLocationURL; }
    // Goes to the page before this one; false when there is none.
    bool GoBack();
    // The page or one of its pictures is still on its way.
    bool Busy() const;
    // Runs the loop until nothing is on its way or ms have passed (real
    // time); for the screenshots, which have no window to wait in.
    bool WaitUntilLoaded(unsigned ms);

    // The reason the pane shows instead of a page; empty while it shows one.
    const std::string& FailureText() const { return FFailure; }

    void SetLanguage(TBrowserLanguage language) { FLanguage = language; }
    // Applies to the transfers started from now on.
    void SetFetchLimits(const TFetchLimits& limits);
    const TFetchLimits& FetchLimits() const { return FLimits; }

    int ScrollTop() const { return FScroll.Position(); }
    void SetScrollTop(int top);
    TPageView& View() { return FView; }
    // The viewport inside the border, less the scroll bar when it shows.
    TRect PageRect() const;

    TNotifyEvent OnNavigateComplete;

protected:
    void WndProc(TMessage& m) override;
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void KeyDown(int& key, TShiftState shift) override;

private:
    void Open(const std::string& url, bool remember);
    void ShowPage(const std::string& html, const std::string& baseUrl);
    void LayOut();
    void PageChanged() {
        FPaintState.Stale = true;
        Invalidate();
    }
    TPageFetcher& Fetcher();
    void TakeResults();
    void RequestWaitingPage();
    void TakePage(struct TFetchResult& result);
    void ShowFailure(const std::string& address, const std::string& reason);
    void LinkClicked(const std::string& url, const std::string& target);
    void OpenOutside(const std::string& url);
    void FollowPendingLink();
    bool WheelScroll(int delta);
    bool ScrollKey(int key);
    void CursorChanged(const std::string& cursor);
    TPoint PagePoint(int x, int y) const;

    struct TPaintState {
        bool Stale = true; // the page picture must be drawn again
    };
    struct TLoadState {
        std::string Waiting;  // the page asked for and not handed to the fetcher yet
        int PageRequest = 0;  // the fetcher's id of the page on its way; 0 when none
        std::string Fragment; // where to scroll once the page has come
    };

    std::string FLocationURL;
    std::string FFailure;
    std::vector<std::string> FHistory;
    TBrowserLanguage FLanguage = TBrowserLanguage::blPortuguese;
    TFetchLimits FLimits;
    std::unique_ptr<TPageFetcher> FFetcher;
    TPageView FView;
    TPaneScrollBar FScroll;
    TBitmap FPagePicture{0, 0, GraphicsScale()};
    TPaintState FPaintState;
    TLoadState FLoad;
    std::string FPendingLink; // clicked, followed once the click has returned
};
