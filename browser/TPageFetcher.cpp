#include "browser/TPageFetcher.h"

#include <curl/curl.h>

#include <algorithm>

#include "browser/TFetchTransfer.h"

namespace {

// How long the worker sleeps when nothing happens; a wake ends it sooner.
constexpr int kIdlePollMs = 1000;

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CURLM* Multi(void* p) {
    return static_cast<CURLM*>(p);
}

} // namespace

struct TPageFetcher::TTransfer : TFetchTransfer {
    unsigned Generation = 0;
};

TPageFetcher::TPageFetcher(const TFetchLimits& limits, std::function<void()> onResult)
    : FLimits(limits), FOnResult(std::move(onResult)) {
    InitCurlOnce();
    FMulti = curl_multi_init();
    FWorker = std::thread([this] { Run(); });
}

TPageFetcher::~TPageFetcher() {
    Stop();
    curl_multi_cleanup(Multi(FMulti));
}

void TPageFetcher::Stop() {
    FStop = true;
    Wake();
    if (FWorker.joinable()) FWorker.join();
}

void TPageFetcher::Wake() {
    if (FMulti) curl_multi_wakeup(Multi(FMulti));
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
    std::vector<TTransfer*> active;
    while (!FStop) {
        StartTransfers(FMulti, active);
        int running = 0;
        curl_multi_perform(Multi(FMulti), &running);
        FinishTransfers(FMulti, active);
        if (FStop) break;
        curl_multi_poll(Multi(FMulti), nullptr, 0, kIdlePollMs, nullptr);
    }
    for (TTransfer* t : active) {
        curl_multi_remove_handle(Multi(FMulti), t->Easy);
        delete t;
    }
}

// Takes the new requests and drops the transfers a cancel made stale.
void TPageFetcher::StartTransfers(void* multi, std::vector<TTransfer*>& active) {
    std::deque<TRequest> requests;
    unsigned generation;
    {
        std::lock_guard<std::mutex> lock(FLock);
        requests.swap(FRequests);
        generation = FGeneration;
    }
    for (auto it = active.begin(); it != active.end();) {
        if ((*it)->Generation == generation) {
            ++it;
            continue;
        }
        curl_multi_remove_handle(Multi(multi), (*it)->Easy);
        delete *it;
        it = active.erase(it);
    }
    for (const TRequest& r : requests) {
        if (r.Generation != generation) continue;
        auto* t = new TTransfer;
        t->Generation = r.Generation;
        t->Begin(r.Id, r.Url, r.Kind, FLimits);
        curl_multi_add_handle(Multi(multi), t->Easy);
        active.push_back(t);
    }
}

void TPageFetcher::FinishTransfers(void* multi, std::vector<TTransfer*>& active) {
    int left = 0;
    while (CURLMsg* msg = curl_multi_info_read(Multi(multi), &left)) {
        if (msg->msg != CURLMSG_DONE) continue;
        auto it = std::find_if(active.begin(), active.end(),
                               [msg](TTransfer* t) { return t->Easy == msg->easy_handle; });
        if (it == active.end()) continue;
        TTransfer* t = *it;
        active.erase(it);
        curl_multi_remove_handle(Multi(multi), t->Easy);
        TFetchResult result = t->Finish(msg->data.result);
        const unsigned generation = t->Generation;
        delete t;
        Deliver(std::move(result), generation);
    }
}
