#pragma once
// Pages and pictures of file: addresses, read on the fetcher's worker without
// the transfer library, which a local news page then never loads; and the
// content made of fetched bytes, which both kinds of fetch share.

#include <string>
#include <string_view>

#include "browser/TFetchResult.h"

// Reads the file a file: URL names, within the limit for its kind. Only
// regular files are read: a folder, a device or a pipe is a missing file.
TFetchResult FetchFile(int id, const std::string& url, TFetchKind kind, const TFetchLimits& limits);

// Fills a successful result from the bytes that arrived: a page's text in
// UTF-8 (the content type may name its encoding), or the decoded picture, or
// the broken-picture failure.
void MakeFetchedContent(TFetchResult& r, std::string_view body, std::string_view contentType);
