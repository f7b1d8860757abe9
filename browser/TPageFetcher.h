#pragma once
// Fetches pages and pictures on one worker thread, so that the window never
// waits for a server. Requests go in from the GUI thread; each finished one
// waits in a queue under a lock, and the worker calls the given function
// (from its own thread) so that the owner can wake its loop. Pages are
// turned into UTF-8 and pictures decoded on the worker too.
//
// Only http:, https: and file: are fetched, redirects only to http: and
// https:. File addresses are read directly; the transfer library is loaded
// by the worker at the first address from the net (TCurlLibrary), and a
// library that cannot be loaded fails those requests, not the program.
// Stopping (or destroying) the fetcher ends every transfer at once and joins
// the worker.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "browser/TCurlLibrary.h"
#include "browser/TFetchResult.h"

class TPageFetcher {
public:
    // curlFile names the transfer library to load; tests name one that is missing.
    TPageFetcher(const TFetchLimits& limits, std::function<void()> onResult,
                 std::string curlFile = TCurlLibrary::DefaultFile);
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
    void TakeRequests(std::deque<TRequest>& requests, unsigned& generation);
    void StartTransfers(std::vector<TTransfer*>& active);
    void StartOne(const TRequest& r, std::vector<TTransfer*>& active);
    bool MakeMulti(TFetchResult& failure);
    void FinishTransfers(std::vector<TTransfer*>& active);
    void DropTransfers(std::vector<TTransfer*>& active, unsigned keptGeneration);
    void WaitForRequests();
    void Deliver(TFetchResult result, unsigned generation);
    void Wake();

    TFetchLimits FLimits;
    std::function<void()> FOnResult;
    std::string FCurlFile;
    mutable std::mutex FLock;
    std::condition_variable FWakeUp;   // the worker's sleep while no transfer runs
    bool FWoken = false;               // under FLock
    std::deque<TRequest> FRequests;    // under FLock
    std::deque<TFetchResult> FResults; // under FLock
    std::vector<int> FPendingIds;      // under FLock
    unsigned FGeneration = 0;          // under FLock
    int FNextId = 1;
    std::atomic<bool> FStop{false};
    // Made by the worker at the first address from the net (FCurl first), freed
    // after it ends; the GUI thread only wakes it.
    const TCurlLibrary* FCurl = nullptr;
    std::atomic<void*> FMulti{nullptr};
    std::thread FWorker;
};
