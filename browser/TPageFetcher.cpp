#include "browser/TPageFetcher.h"

#include <algorithm>

#include "browser/FileFetch.h"
#include "browser/PageAddress.h"
#include "browser/TFetchTransfer.h"
#include "platform/services/ThreadPriority.h"

namespace {

// How long the worker waits on the net before it looks at new requests; a
// wake ends the wait sooner.
constexpr int kTransferPollMs = 1000;

CURLM* Multi(void* p) {
    return static_cast<CURLM*>(p);
}

TFetchResult FailedAt(int id, const std::string& url, TFetchKind kind, TFetchFailure failure,
                      const std::string& detail) {
    TFetchResult r;
    r.Id = id;
    r.Kind = kind;
    r.Url = url;
    r.FinalUrl = url;
    r.Failure = failure;
    r.Detail = detail;
    return r;
}

} // namespace

struct TPageFetcher::TTransfer : TFetchTransfer {
    unsigned Generation = 0;
};

TPageFetcher::TPageFetcher(const TFetchLimits& limits, std::function<void()> onResult,
                           std::string curlFile)
    : FLimits(limits), FOnResult(std::move(onResult)), FCurlFile(std::move(curlFile)) {
    FWorker = std::thread([this] { Run(); });
}

TPageFetcher::~TPageFetcher() {
    Stop();
    if (void* multi = FMulti.load()) FCurl->MultiCleanup(Multi(multi));
}

void TPageFetcher::Stop() {
    FStop = true;
    Wake();
    if (FWorker.joinable()) FWorker.join();
}

void TPageFetcher::Wake() {
    {
        std::lock_guard<std::mutex> lock(FLock);
        FWoken = true;
    }
    FWakeUp.notify_one();
    // FCurl is set before the handle is published, so it is there when the handle is.
    if (void* multi = FMulti.load()) FCurl->MultiWakeup(Multi(multi));
}

int TPageFetcher::Fetch(const std::string& url, TFetchKind kind) {
    int id;
    {
        std::lock_guard<std::mutex> lock(FLock);
        id = FNextId++;
        FRequests.push_back({id, FGeneration, url, kind});
        FPendingIds.push_back(id);
    }
    Wake();
    return id;
}

void TPageFetcher::CancelAll() {
    {
        std::lock_guard<std::mutex> lock(FLock);
        ++FGeneration;
        FRequests.clear();
        FResults.clear();
        FPendingIds.clear();
    }
    Wake();
}

std::vector<TFetchResult> TPageFetcher::TakeResults() {
    std::lock_guard<std::mutex> lock(FLock);
    std::vector<TFetchResult> out(std::make_move_iterator(FResults.begin()),
                                  std::make_move_iterator(FResults.end()));
    FResults.clear();
    for (const TFetchResult& r : out)
        FPendingIds.erase(std::remove(FPendingIds.begin(), FPendingIds.end(), r.Id),
                          FPendingIds.end());
    return out;
}

size_t TPageFetcher::Pending() const {
    std::lock_guard<std::mutex> lock(FLock);
    return FPendingIds.size();
}

void TPageFetcher::Deliver(TFetchResult result, unsigned generation) {
    {
        std::lock_guard<std::mutex> lock(FLock);
        if (generation != FGeneration) return; // asked before a cancel
        FResults.push_back(std::move(result));
    }
    if (FOnResult) FOnResult();
}

void TPageFetcher::Run() {
    LowerThisThreadsPriority();
    std::vector<TTransfer*> active;
    while (!FStop) {
        StartTransfers(active);
        if (active.empty()) {
            WaitForRequests();
            continue;
        }
        int running = 0;
        FCurl->MultiPerform(Multi(FMulti.load()), &running);
        FinishTransfers(active);
        if (FStop || active.empty()) continue;
        FCurl->MultiPoll(Multi(FMulti.load()), nullptr, 0, kTransferPollMs, nullptr);
    }
    for (TTransfer* t : active) {
        FCurl->MultiRemoveHandle(Multi(FMulti.load()), t->Easy);
        delete t;
    }
}

// Sleeps, without waking on its own, until a request, a cancel or the stop.
void TPageFetcher::WaitForRequests() {
    std::unique_lock<std::mutex> lock(FLock);
    FWakeUp.wait(lock, [this] { return FStop || FWoken || !FRequests.empty(); });
    FWoken = false;
}

void TPageFetcher::TakeRequests(std::deque<TRequest>& requests, unsigned& generation) {
    std::lock_guard<std::mutex> lock(FLock);
    requests.swap(FRequests);
    generation = FGeneration;
    FWoken = false;
}

// Takes the new requests and drops the transfers a cancel made stale.
void TPageFetcher::StartTransfers(std::vector<TTransfer*>& active) {
    std::deque<TRequest> requests;
    unsigned generation;
    TakeRequests(requests, generation);
    DropTransfers(active, generation);
    for (const TRequest& r : requests)
        if (r.Generation == generation && !FStop) StartOne(r, active);
}

void TPageFetcher::StartOne(const TRequest& r, std::vector<TTransfer*>& active) {
    const std::string scheme = SchemeOf(r.Url);
    if (scheme == "file") {
        Deliver(FetchFile(r.Id, r.Url, r.Kind, FLimits), r.Generation);
        return;
    }
    if (scheme != "http" && scheme != "https") {
        Deliver(FailedAt(r.Id, r.Url, r.Kind, TFetchFailure::ffRefused, "not fetched: " + scheme),
                r.Generation);
        return;
    }
    TFetchResult failure = FailedAt(r.Id, r.Url, r.Kind, TFetchFailure::ffNone, "");
    if (!MakeMulti(failure)) {
        Deliver(std::move(failure), r.Generation);
        return;
    }
    auto* t = new TTransfer;
    t->Generation = r.Generation;
    t->Begin(*FCurl, r.Id, r.Url, r.Kind, FLimits);
    FCurl->MultiAddHandle(Multi(FMulti.load()), t->Easy);
    active.push_back(t);
}

// The transfer library and its handle, at the first address from the net.
bool TPageFetcher::MakeMulti(TFetchResult& failure) {
    if (FMulti.load()) return true;
    std::string error;
    FCurl = TCurlLibrary::Load(FCurlFile, error);
    if (!FCurl) {
        failure.Failure = TFetchFailure::ffNoLibrary;
        failure.Detail = error;
        return false;
    }
    CURLM* multi = FCurl->MultiInit();
    if (!multi) {
        failure.Failure = TFetchFailure::ffOther;
        failure.Detail = "the transfer library could not start a transfer";
        return false;
    }
    FMulti.store(multi);
    return true;
}

void TPageFetcher::DropTransfers(std::vector<TTransfer*>& active, unsigned keptGeneration) {
    for (auto it = active.begin(); it != active.end();) {
        if ((*it)->Generation == keptGeneration) {
            ++it;
            continue;
        }
        FCurl->MultiRemoveHandle(Multi(FMulti.load()), (*it)->Easy);
        delete *it;
        it = active.erase(it);
    }
}

void TPageFetcher::FinishTransfers(std::vector<TTransfer*>& active) {
    CURLM* multi = Multi(FMulti.load());
    int left = 0;
    while (CURLMsg* msg = FCurl->MultiInfoRead(multi, &left)) {
        if (msg->msg != CURLMSG_DONE) continue;
        auto it = std::find_if(active.begin(), active.end(),
                               [msg](TTransfer* t) { return t->Easy == msg->easy_handle; });
        if (it == active.end()) continue;
        TTransfer* t = *it;
        active.erase(it);
        FCurl->MultiRemoveHandle(multi, t->Easy);
        TFetchResult result = t->Finish(msg->data.result);
        const unsigned generation = t->Generation;
        delete t;
        Deliver(std::move(result), generation);
    }
}
