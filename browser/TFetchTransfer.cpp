#include "browser/TFetchTransfer.h"

#include <curl/curl.h>

#include "browser/PageCharset.h"
#include "browser/PictureDecode.h"

namespace {

const char* const kUserAgent = "Launcher/1.2";
constexpr long kFirstErrorStatus = 400;

CURL* Handle(void* p) {
    return static_cast<CURL*>(p);
}

static_assert(CURL_ERROR_SIZE <= 256, "the error buffer must hold the library's message");

} // namespace

TFetchTransfer::~TFetchTransfer() {
    if (Easy) curl_easy_cleanup(Handle(Easy));
}

void TFetchTransfer::Begin(int id, const std::string& url, TFetchKind kind,
                           const TFetchLimits& limits) {
    FId = id;
    FUrl = url;
    FKind = kind;
    FLimit = kind == TFetchKind::fkPage ? limits.MaxPageBytes : limits.MaxPictureBytes;
    CURL* h = curl_easy_init();
    Easy = h;
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https,file");
    // A page on the net must not lead the pane to the player's own files.
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, limits.MaxRedirects);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.ConnectTimeoutMs));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.TotalTimeoutMs));
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(FLimit));
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(h, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &TFetchTransfer::Write);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, FError);
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
    if (curl_easy_getinfo(Handle(Easy), CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK &&
        effective)
        r.FinalUrl = effective;
    curl_easy_getinfo(Handle(Easy), CURLINFO_RESPONSE_CODE, &r.Status);
    r.Failure = FailureOf(code);
    r.Detail = FError[0] ? FError : curl_easy_strerror(static_cast<CURLcode>(code));
    if (r.Failure == TFetchFailure::ffNone && r.Status >= kFirstErrorStatus)
        r.Failure = TFetchFailure::ffHttpStatus;
    if (r.Failure == TFetchFailure::ffNone) MakeContent(r);
    return r;
}

void TFetchTransfer::MakeContent(TFetchResult& r) const {
    if (FKind == TFetchKind::fkPage) {
        char* type = nullptr;
        curl_easy_getinfo(Handle(Easy), CURLINFO_CONTENT_TYPE, &type);
        r.Text = PageToUtf8(FBody, type ? type : "");
        return;
    }
    std::string error;
    r.Picture = DecodePicture(FBody, error);
    if (!r.Picture) {
        r.Failure = TFetchFailure::ffBrokenPicture;
        r.Detail = error;
    }
}
