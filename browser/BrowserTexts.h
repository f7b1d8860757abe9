#pragma once
// The pane's own words, in the launcher's two languages, and the small page
// that tells the player why a page could not be shown.

#include <string>

#include "browser/TFetchResult.h"

enum class TBrowserLanguage { blPortuguese, blEnglish };

// The reason in a short sentence.
std::string FailureReason(const TFetchResult& result, TBrowserLanguage language,
                          const TFetchLimits& limits);
// A page naming the address and the reason, for the pane to show instead.
std::string FailurePage(const std::string& address, const std::string& reason,
                        TBrowserLanguage language);
