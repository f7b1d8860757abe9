#include "platform/services/TStoreFileBackend.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const char* RootName(HKEY root) {
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return "HKEY_CLASSES_ROOT";
    case HKEY_LOCAL_MACHINE:
        return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS:
        return "HKEY_USERS";
    default:
        return "HKEY_CURRENT_USER";
    }
}

std::string FullPath(HKEY root, std::string_view relative) {
    std::string full = RootName(root);
    if (!relative.empty()) full.append("\\").append(relative);
    return full;
}

// Two programs writing at once would each rewrite the file from what they
// read, and one change would be lost: a lock file beside the store keeps the
// read-change-write steps apart. Without the lock (no folder yet, read-only
// folder) the write goes on unguarded and fails or succeeds on its own.
class TStoreLock {
public:
    explicit TStoreLock(const std::string& store)
        : FFd(open((store + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (FFd >= 0) flock(FFd, LOCK_EX);
    }
    ~TStoreLock() {
        if (FFd >= 0) close(FFd); // closing releases the lock
    }
    TStoreLock(const TStoreLock&) = delete;
    TStoreLock& operator=(const TStoreLock&) = delete;

private:
    int FFd;
};

} // namespace

bool TStoreFileBackend::KeyExists(HKEY root, std::string_view path) const {
    return TRegistryFile::Load(FPath).KeyExists(FullPath(root, path));
}

std::optional<TRegValueData> TStoreFileBackend::FindValue(HKEY root, std::string_view path,
                                                          std::string_view name) const {
    const TRegistryFile file = TRegistryFile::Load(FPath);
    const TRegValueData* v = file.FindValue(FullPath(root, path), name);
    return v ? std::optional<TRegValueData>(*v) : std::nullopt;
}

void TStoreFileBackend::CreateKey(HKEY root, std::string_view path) {
    const TStoreLock lock(FPath);
    TRegistryFile file = TRegistryFile::Load(FPath);
    if (file.AddKey(FullPath(root, path))) SaveRegistryFile(file, FPath);
}

void TStoreFileBackend::SetValue(HKEY root, std::string_view path, std::string_view name,
                                 const TRegValueData& data) {
    const TStoreLock lock(FPath);
    TRegistryFile file = TRegistryFile::Load(FPath);
    file.SetValue(FullPath(root, path), name, data);
    SaveRegistryFile(file, FPath);
}
