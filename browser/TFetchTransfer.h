#pragma once
// One transfer of the fetcher from the net: the transfer library's handle set
// up with the limits, the bytes received, and the result made of them when it ends.
// Lives on the worker thread only.

#include <string>

#include "browser/TFetchResult.h"

struct TCurlLibrary;

class TFetchTransfer {
public:
    TFetchTransfer() = default;
    ~TFetchTransfer();
    TFetchTransfer(const TFetchTransfer&) = delete;
    TFetchTransfer& operator=(const TFetchTransfer&) = delete;

    void Begin(const TCurlLibrary& curl, int id, const std::string& url, TFetchKind kind,
               const TFetchLimits& limits);
    // The result for the transfer library's code of the ended transfer.
    TFetchResult Finish(int code);

    void* Easy = nullptr;

private:
    static size_t Write(char* data, size_t size, size_t count, void* self);
    TFetchFailure FailureOf(int code) const;

    const TCurlLibrary* FCurl = nullptr;
    int FId = 0;
    TFetchKind FKind = TFetchKind::fkPage;
    std::string FUrl;
    std::string FBody;
    size_t FLimit = 0;
    bool FTooLarge = false;
    char FError[256] = {}; // the library's own words (CURL_ERROR_SIZE)
};
