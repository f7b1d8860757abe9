// TWebBrowser: what the fetcher hands back, and links leaving the pane.
#include "browser/TPageFetcher.h"
#include "browser/TWebBrowser.h"
#include "platform/services/ProgramStart.h"

void TWebBrowser::TakeResults() {
    if (!FFetcher) return;
    bool pictures = false;
    for (TFetchResult& r : FFetcher->TakeResults()) {
        if (r.Id == FLoad.PageRequest) {
            TakePage(r);
        } else if (r.Kind == TFetchKind::fkPicture && r.Picture) {
            FView.Container().SetPicture(r.Url, r.Picture);
            pictures = true;
        }
        // A picture that failed keeps its empty place; the page still shows.
    }
    if (pictures && FView.HasPage()) {
        LayOut();
        PageChanged();
    }
}

void TWebBrowser::TakePage(TFetchResult& result) {
    FLoad.PageRequest = 0;
    if (result.Failure != TFetchFailure::ffNone) {
        ShowFailure(FLocationURL, FailureReason(result, FLanguage, FLimits));
        return;
    }
    ShowPage(result.Text, result.FinalUrl);
    if (!FLoad.Fragment.empty()) SetScrollTop(FView.AnchorTop(FLoad.Fragment));
    if (OnNavigateComplete) OnNavigateComplete(this);
}

void TWebBrowser::ShowFailure(const std::string& address, const std::string& reason) {
    ShowPage(FailurePage(address, reason, FLanguage), "");
    FFailure = reason;
    if (OnNavigateComplete) OnNavigateComplete(this);
}

// Called from inside the layout engine's click handling, which still holds
// the document: the page is replaced only once that call has returned.
void TWebBrowser::LinkClicked(const std::string& url, const std::string& target) {
    if (target == "_blank") {
        OpenOutside(url);
        return;
    }
    FLoad.Fragment.clear();
    FPendingLink = url;
}

void TWebBrowser::FollowPendingLink() {
    if (FPendingLink.empty()) return;
    const std::string url = FPendingLink;
    FPendingLink.clear();
    // A link to a place on the page itself only scrolls.
    const size_t hash = url.find('#');
    const std::string base = FView.Container().BaseUrl();
    if (hash != std::string::npos && !base.empty() &&
        url.compare(0, hash, base, 0, base.find('#')) == 0) {
        SetScrollTop(FView.AnchorTop(url.substr(hash + 1)));
        return;
    }
    Open(url, true);
}

void TWebBrowser::OpenOutside(const std::string& url) {
    // The desktop's browser reports its own troubles; a start that failed
    // outright leaves the pane as it was.
    ShellOpen(url);
}
