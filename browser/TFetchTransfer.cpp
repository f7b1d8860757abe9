#include "browser/TFetchTransfer.h"

#include "browser/FileFetch.h"
#include "browser/TCurlLibrary.h"

namespace {

const char* const kUserAgent = "Launcher/1.2";
constexpr long kFirstErrorStatus = 400;

CURL* Handle(void* p) {
    return static_cast<CURL*>(p);
}

static_assert(CURL_ERROR_SIZE <= 256, "the error buffer must hold the library's message");

} // namespace

TFetchTransfer::~TFetchTransfer() {
    if (Easy) FCurl->EasyCleanup(Handle(Easy));
}

void TFetchTransfer::Begin(const TCurlLibrary& curl, int id, const std::string& url,
                           TFetchKind kind, const TFetchLimits& limits) {
    FCurl = &curl;
    FId = id;
    FUrl = url;
    FKind = kind;
    FLimit = kind == TFetchKind::fkPage ? limits.MaxPageBytes : limits.MaxPictureBytes;
    CURL* h = curl.EasyInit();
    Easy = h;
    const auto set = curl.EasySetopt;
    set(h, CURLOPT_URL, url.c_str());
    // File addresses are read without the library (FileFetch).
    set(h, CURLOPT_PROTOCOLS_STR, "http,https");
    // A page on the net must not lead the pane to the player's own files.
    set(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    set(h, CURLOPT_FOLLOWLOCATION, 1L);
    set(h, CURLOPT_MAXREDIRS, limits.MaxRedirects);
    set(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.ConnectTimeoutMs));
    set(h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.TotalTimeoutMs));
    set(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(FLimit));
    set(h, CURLOPT_SSL_VERIFYPEER, 1L);
    set(h, CURLOPT_SSL_VERIFYHOST, 2L);
    set(h, CURLOPT_NOSIGNAL, 1L);
    set(h, CURLOPT_ACCEPT_ENCODING, "");
    set(h, CURLOPT_USERAGENT, kUserAgent);
    set(h, CURLOPT_WRITEFUNCTION, &TFetchTransfer::Write);
    set(h, CURLOPT_WRITEDATA, this);
    set(h, CURLOPT_ERRORBUFFER, FError);
}

size_t TFetchTransfer::Write(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<TFetchTransfer*>(self);
    const size_t n = size * count;
    if (t->FBody.size() + n > t->FLimit) {
        t->FTooLarge = true;
        return 0; // ends the transfer with a write error
    }
    t->FBody.append(data, n);
    return n;
}

TFetchFailure TFetchTransfer::FailureOf(int code) const {
    if (FTooLarge) return TFetchFailure::ffTooLarge;
    switch (code) {
    case CURLE_OK:
        return TFetchFailure::ffNone;
    case CURLE_OPERATION_TIMEDOUT:
        return TFetchFailure::ffTimeout;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        return TFetchFailure::ffConnect;
    case CURLE_FILESIZE_EXCEEDED:
        return TFetchFailure::ffTooLarge;
    case CURLE_TOO_MANY_REDIRECTS:
        return TFetchFailure::ffRedirects;
    case CURLE_FILE_COULDNT_READ_FILE:
        return TFetchFailure::ffMissingFile;
    case CURLE_UNSUPPORTED_PROTOCOL:
        return TFetchFailure::ffRefused;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CACERT_BADFILE:
        return TFetchFailure::ffCertificate;
    default:
        return TFetchFailure::ffOther;
    }
}

TFetchResult TFetchTransfer::Finish(int code) {
    TFetchResult r;
    r.Id = FId;
    r.Kind = FKind;
    r.Url = FUrl;
    r.FinalUrl = FUrl;
    char* effective = nullptr;
    if (FCurl->EasyGetinfo(Handle(Easy), CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK &&
        effective)
        r.FinalUrl = effective;
    FCurl->EasyGetinfo(Handle(Easy), CURLINFO_RESPONSE_CODE, &r.Status);
    r.Failure = FailureOf(code);
    r.Detail = FError[0] ? FError : FCurl->EasyStrerror(static_cast<CURLcode>(code));
    if (r.Failure == TFetchFailure::ffNone && r.Status >= kFirstErrorStatus)
        r.Failure = TFetchFailure::ffHttpStatus;
    if (r.Failure == TFetchFailure::ffNone) {
        char* type = nullptr;
        FCurl->EasyGetinfo(Handle(Easy), CURLINFO_CONTENT_TYPE, &type);
        MakeFetchedContent(r, FBody, type ? type : "");
    }
    return r;
}
