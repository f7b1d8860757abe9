#pragma once
// What the fetcher hands back for one request: the page's text in UTF-8 or
// the decoded picture, or why there is neither.

#include <cstddef>
#include <memory>
#include <string>

#include "browser/TPicture.h"

enum class TFetchKind { fkPage, fkPicture };

enum class TFetchFailure {
    ffNone,
    ffTimeout,
    ffConnect,
    ffTooLarge,
    ffRedirects,
    ffHttpStatus,
    ffMissingFile,
    ffRefused,
    ffCertificate,
    ffBrokenPicture,
    ffNoLibrary, // the transfer library for pages from the net cannot be loaded
    ffOther
};

// The bounds every transfer keeps; tests shorten the timeouts.
struct TFetchLimits {
    unsigned ConnectTimeoutMs = 10'000;
    unsigned TotalTimeoutMs = 30'000;
    long MaxRedirects = 10;
    size_t MaxPageBytes = size_t{4} << 20;
    size_t MaxPictureBytes = size_t{8} << 20;
};

struct TFetchResult {
    int Id = 0;
    TFetchKind Kind = TFetchKind::fkPage;
    std::string Url;      // as asked
    std::string FinalUrl; // after redirects: the base of the page's links
    TFetchFailure Failure = TFetchFailure::ffNone;
    long Status = 0;    // the HTTP status, 0 for files
    std::string Detail; // the transfer library's or decoder's own words
    std::string Text;   // a page's text, UTF-8
    std::shared_ptr<TPicture> Picture;
};
