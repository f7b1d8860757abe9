#pragma once
// Fetches pages and pictures on one worker thread, so that the window never
// waits for a server. Requests go in from the GUI thread; each finished one
// waits in a queue under a lock, and the worker calls the given function
// (from its own thread) so that the owner can wake its loop. Pages are
// turned into UTF-8 and pictures decoded on the worker too.
//
// Only http:, https: and file: are fetched, redirects only to http: and
// https:. Stopping (or destroying) the fetcher ends every transfer at once
// and joins the worker.

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "browser/TFetchResult.h"

class TPageFetcher {
public:
    TPageFetcher(const TFetchLimits& limits, std::function<void()> onResult);
    ~TPageFetcher();
    TPageFetcher(const TPageFetcher&) = delete;
    TPageFetcher& operator=(const TPageFetcher&) = delete;

    // Queues a request; returns its id.
    int Fetch(const std::string& url, TFetchKind kind);
    // Drops every request asked so far, finished or not.
    void CancelAll();
    std::vector<TFetchResult> TakeResults();
    // Requests asked and not yet taken back.
    size_t Pending() const;
    void Stop();

private:
    struct TRequest {
        int Id;
        unsigned Generation;
        std::string Url;
        TFetchKind Kind;
    };
    struct TTransfer;

    void Run();
    void StartTransfers(void* multi, std::vector<TTransfer*>& active);
    void FinishTransfers(void* multi, std::vector<TTransfer*>& active);
    void Deliver(TFetchResult result, unsigned generation);
    void Wake();

    TFetchLimits FLimits;
    std::function<void()> FOnResult;
    mutable std::mutex FLock;
    std::deque<TRequest> FRequests;    // under FLock
    std::deque<TFetchResult> FResults; // under FLock
    std::vector<int> FPendingIds;      // under FLock
    unsigned FGeneration = 0;          // under FLock
    int FNextId = 1;
    std::atomic<bool> FStop{false};
    void* FMulti = nullptr; // made before the worker starts, freed after it ends
    std::thread FWorker;
};
