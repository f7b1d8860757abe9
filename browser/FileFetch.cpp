#include "browser/FileFetch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "browser/PageAddress.h"
#include "browser/PageCharset.h"
#include "browser/PictureDecode.h"

namespace {

constexpr size_t kReadBlock = 64 * 1024;

struct TFileHandle {
    explicit TFileHandle(const std::string& path)
        // Non-blocking, so that a pipe named as a page cannot hold the worker.
        : Fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ~TFileHandle() {
        if (Fd >= 0) close(Fd);
    }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    int Fd;
};

TFetchFailure Fail(TFetchResult& r, TFetchFailure failure, const std::string& detail) {
    r.Failure = failure;
    r.Detail = detail;
    return failure;
}

// The file's bytes up to limit; a file that turns out longer is too large.
TFetchFailure ReadBounded(const std::string& path, size_t limit, std::string& body,
                          TFetchResult& r) {
    const TFileHandle file(path);
    struct stat info {};
    if (file.Fd < 0 || fstat(file.Fd, &info) != 0)
        return Fail(r, TFetchFailure::ffMissingFile, path + ": " + std::strerror(errno));
    if (!S_ISREG(info.st_mode)) return Fail(r, TFetchFailure::ffMissingFile, path + ": not a file");
    if (static_cast<unsigned long long>(info.st_size) > limit)
        return Fail(r, TFetchFailure::ffTooLarge, path);
    for (;;) {
        const size_t at = body.size();
        body.resize(at + kReadBlock);
        const ssize_t got = read(file.Fd, body.data() + at, kReadBlock);
        if (got < 0) {
            body.resize(at);
            if (errno == EINTR) continue;
            body.clear();
            return Fail(r, TFetchFailure::ffOther, path + ": " + std::strerror(errno));
        }
        body.resize(at + static_cast<size_t>(got));
        if (body.size() > limit) {
            body.clear();
            return Fail(r, TFetchFailure::ffTooLarge, path);
        }
        if (got == 0) return TFetchFailure::ffNone;
    }
}

} // namespace

TFetchResult FetchFile(int id, const std::string& url, TFetchKind kind,
                       const TFetchLimits& limits) {
    TFetchResult r;
    r.Id = id;
    r.Kind = kind;
    r.Url = url;
    r.FinalUrl = url;
    const std::string path = FilePathOf(url);
    if (path.empty()) {
        Fail(r, TFetchFailure::ffMissingFile, url);
        return r;
    }
    std::string body;
    const size_t limit = kind == TFetchKind::fkPage ? limits.MaxPageBytes : limits.MaxPictureBytes;
    if (ReadBounded(path, limit, body, r) == TFetchFailure::ffNone) MakeFetchedContent(r, body, "");
    return r;
}

void MakeFetchedContent(TFetchResult& r, std::string_view body, std::string_view contentType) {
    if (r.Kind == TFetchKind::fkPage) {
        r.Text = PageToUtf8(body, contentType);
        return;
    }
    std::string error;
    r.Picture = DecodePicture(body, error);
    if (!r.Picture) {
        r.Failure = TFetchFailure::ffBrokenPicture;
        r.Detail = error;
    }
}
