#include "platform/services/TWinePrefixBackend.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The last file read, with what identifies its contents on disk. Wine and
// this program both replace user.reg by renaming a new file over it, so a
// change always shows in the inode, the size or the time.
struct TCachedFile {
    std::string Path;
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = -1;
    timespec Modified{};
    std::shared_ptr<const TWineRegistryFile> File;

    bool Matches(const std::string& path, const struct stat& st) const {
        return File && Path == path && Device == st.st_dev && Inode == st.st_ino &&
               Size == st.st_size && Modified.tv_sec == st.st_mtim.tv_sec &&
               Modified.tv_nsec == st.st_mtim.tv_nsec;
    }
};

std::mutex gCacheLock;
TCachedFile gCache;

// Holds an exclusive lock on the prefix folder itself, so that nothing is
// added to the prefix for it.
class TFolderLock {
public:
    explicit TFolderLock(const std::string& folder)
        : FFd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (FFd >= 0) flock(FFd, LOCK_EX);
    }
    ~TFolderLock() {
        if (FFd >= 0) close(FFd);
    }
    TFolderLock(const TFolderLock&) = delete;
    TFolderLock& operator=(const TFolderLock&) = delete;

private:
    int FFd;
};

void CheckCurrentUser(HKEY root, const std::string& prefix) {
    if (root != HKEY_CURRENT_USER)
        throw ERegistryException("Only the current user's keys are kept in the Wine prefix " +
                                 prefix + ".");
}

} // namespace

TWinePrefixBackend::TWinePrefixBackend(std::string prefix, std::string serverTempRoot)
    : FPrefix(std::move(prefix)), FServerTempRoot(std::move(serverTempRoot)) {}

std::shared_ptr<const TWineRegistryFile> TWinePrefixBackend::Current() const {
    const std::string path = UserRegPath();
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return nullptr;
        throw ERegistryException("Cannot read " + path + ": " + std::strerror(errno));
    }
    const std::lock_guard<std::mutex> guard(gCacheLock);
    if (gCache.Matches(path, st)) return gCache.File;
    // Identity taken before reading: a change during the read shows next time.
    auto file = std::make_shared<const TWineRegistryFile>(TWineRegistryFile::Load(path));
    gCache = {path, st.st_dev, st.st_ino, st.st_size, st.st_mtim, file};
    return file;
}

std::string TWinePrefixBackend::WhyNotWritable() const {
    struct stat st {};
    if (stat(UserRegPath().c_str(), &st) != 0)
        return "The Wine prefix " + FPrefix +
               " has not been created yet, so its user.reg cannot be edited: Wine creates "
               "the prefix first.";
    if (WineServerRunning(FPrefix, FServerTempRoot))
        return "Wine is running for the prefix " + FPrefix +
               " (the game or another Windows program is open) and would overwrite a change "
               "to user.reg.";
    return {};
}

bool TWinePrefixBackend::KeyExists(HKEY root, std::string_view path) const {
    if (root != HKEY_CURRENT_USER) return false;
    const auto file = Current();
    return file && file->KeyExists(path);
}

std::optional<TRegValueData> TWinePrefixBackend::FindValue(HKEY root, std::string_view path,
                                                           std::string_view name) const {
    if (root != HKEY_CURRENT_USER) return std::nullopt;
    const auto file = Current();
    return file ? file->FindValue(path, name) : std::nullopt;
}

void TWinePrefixBackend::Edit(HKEY root, const std::function<bool(TWineRegistryFile&)>& change) {
    CheckCurrentUser(root, FPrefix);
    const TFolderLock lock(FPrefix);
    // Checked again under the lock: Wine may have started since the caller
    // chose to write directly; a second Apply then goes through Wine.
    if (std::string why = WhyNotWritable(); !why.empty())
        throw ERegistryUnavailable(why + " Apply again to save the settings through Wine.");
    TWineRegistryFile file = TWineRegistryFile::Load(UserRegPath()); // fresh, under the lock
    if (change(file)) SaveRegistryFile(file, UserRegPath());
}

void TWinePrefixBackend::CreateKey(HKEY root, std::string_view path) {
    Edit(root, [&](TWineRegistryFile& f) { return f.AddKey(path, std::time(nullptr)); });
}

void TWinePrefixBackend::SetValue(HKEY root, std::string_view path, std::string_view name,
                                  const TRegValueData& data) {
    Edit(root, [&](TWineRegistryFile& f) {
        f.SetValue(path, name, data, std::time(nullptr));
        return true;
    });
}
