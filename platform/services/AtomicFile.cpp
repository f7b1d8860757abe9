#include "platform/services/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kNewFileMode = 0600;
constexpr size_t kReadChunk = 65536;

int WriteAll(int fd, std::string_view text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno != EINTR) return errno;
        if (n > 0) done += static_cast<size_t>(n);
    }
    return 0;
}

// The rename itself reaches the disk with the folder.
void SyncFolder(const std::filesystem::path& dir) {
    const int dfd = open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        fsync(dfd);
        close(dfd);
    }
}

} // namespace

int ReadFileBytes(const std::string& path, std::string& out) {
    out.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    struct stat st {};
    if (fstat(fd, &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            close(fd);
            return EISDIR;
        }
        out.reserve(static_cast<size_t>(st.st_size));
    }
    std::string buf(kReadChunk, '\0');
    for (;;) {
        const ssize_t n = read(fd, buf.data(), buf.size());
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            close(fd);
            out.clear();
            return err;
        }
        out.append(buf.data(), static_cast<size_t>(n));
    }
    close(fd);
    return 0;
}

std::string ReplaceFileAtomically(const std::string& path, std::string_view text) {
    namespace fs = std::filesystem;
    std::string target = path;
    std::error_code ec;
    if (fs::is_symlink(target, ec)) target = fs::canonical(target, ec).string();
    const fs::path dir = fs::path(target).parent_path();
    auto failure = [&](const std::string& what, int err) {
        return "Cannot write " + target + ": " + what +
               (err ? std::string(": ") + std::strerror(err) : std::string());
    };
    if (!dir.empty() && !fs::is_directory(dir, ec)) {
        fs::create_directories(dir, ec);
        if (ec) return failure("cannot create the folder " + dir.string(), ec.value());
    }

    struct stat st {};
    const mode_t mode = stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : kNewFileMode;
    const std::string temp = target + ".tmp" + std::to_string(getpid());
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return failure("cannot create " + temp, errno);
    int err = WriteAll(fd, text);
    if (!err && fsync(fd) != 0) err = errno;
    if (close(fd) != 0 && !err) err = errno;
    if (!err && rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err) {
        unlink(temp.c_str());
        return failure("the file was left as it was", err);
    }
    SyncFolder(dir);
    return {};
}
