#pragma once
// The transfer library, loaded when the first page from the net is asked for
// rather than linked into the program: it and the long tail of libraries it
// needs (TLS, HTTP/2, name lookups, authentication) would otherwise be loaded
// and set up at every start, whose news page is usually a local file or none.
// Holds the library's functions, taken by name; loaded once per process and
// never unloaded.

#include <curl/curl.h>

#include <string>

struct TCurlLibrary {
    // The library's file as the dynamic loader finds it.
    static constexpr const char* DefaultFile = "libcurl.so.4";

    // The library of that file, loaded and initialised on the first call;
    // nullptr, with the reason in error, when it cannot be loaded or lacks a
    // function. Any thread may call it.
    static const TCurlLibrary* Load(const std::string& file, std::string& error);

    decltype(&curl_easy_init) EasyInit = nullptr;
    decltype(&curl_easy_cleanup) EasyCleanup = nullptr;
    decltype(&curl_easy_setopt) EasySetopt = nullptr;
    decltype(&curl_easy_getinfo) EasyGetinfo = nullptr;
    decltype(&curl_easy_strerror) EasyStrerror = nullptr;
    decltype(&curl_multi_init) MultiInit = nullptr;
    decltype(&curl_multi_cleanup) MultiCleanup = nullptr;
    decltype(&curl_multi_add_handle) MultiAddHandle = nullptr;
    decltype(&curl_multi_remove_handle) MultiRemoveHandle = nullptr;
    decltype(&curl_multi_perform) MultiPerform = nullptr;
    decltype(&curl_multi_poll) MultiPoll = nullptr;
    decltype(&curl_multi_wakeup) MultiWakeup = nullptr;
    decltype(&curl_multi_info_read) MultiInfoRead = nullptr;
};
