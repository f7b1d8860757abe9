#include "platform/services/TRegistry.h"

#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::string& StorePathOverride() {
    static std::string path;
    return path;
}

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

bool HasControlCharacters(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

// Joins and checks a key path: no empty parts inside, no control characters.
std::optional<std::string> NormalisedPath(std::string_view base, std::string_view key) {
    std::string path(base);
    while (!key.empty() && key.back() == '\\')
        key.remove_suffix(1);
    if (key.empty()) return path;
    if (HasControlCharacters(key) || key.find("\\\\") != std::string_view::npos)
        return std::nullopt;
    if (!path.empty()) path += '\\';
    return path += key;
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

std::string Quoted(std::string_view name) {
    std::string out(1, '\'');
    out.append(name);
    out += '\'';
    return out;
}

} // namespace

void SetRegistryStorePath(std::string path) {
    StorePathOverride() = std::move(path);
}

std::string RegistryStorePath() {
    if (!StorePathOverride().empty()) return StorePathOverride();
    if (const char* p = std::getenv("QUELM_REGISTRY"); p && *p) return p;
    const std::string tail = "/quelm-launcher/registry.reg";
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') return xdg + tail;
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* pw = getpwuid(getuid());
        home = pw && pw->pw_dir ? pw->pw_dir : "/tmp";
    }
    return std::string(home) + "/.config" + tail;
}

void TRegistry::SetRootKey(HKEY root) {
    CloseKey();
    FRootKey = root;
}

std::string TRegistry::FullPath(std::string_view relative) const {
    std::string full = RootName(FRootKey);
    if (!relative.empty()) full.append("\\").append(relative);
    return full;
}

std::string TRegistry::Resolve(std::string_view key) const {
    const bool fromRoot = key.starts_with('\\');
    if (fromRoot) key.remove_prefix(1);
    const auto path = NormalisedPath(fromRoot || !FOpen ? "" : FCurrentPath, key);
    return path ? *path : std::string("\\");
}

bool TRegistry::OpenKey(std::string_view key, bool canCreate) {
    const std::string relative = Resolve(key);
    if (relative == "\\") return false;
    if (!relative.empty()) {
        const std::string store = RegistryStorePath();
        const TStoreLock lock(store);
        TRegistryFile file = TRegistryFile::Load(store);
        if (!file.KeyExists(FullPath(relative))) {
            if (!canCreate) return false;
            file.AddKey(FullPath(relative));
            try {
                file.Save(store);
            } catch (const ERegistryException&) {
                return false;
            }
        }
    }
    FOpen = true;
    FCurrentPath = relative;
    return true;
}

void TRegistry::CloseKey() {
    FOpen = false;
    FCurrentPath.clear();
}

bool TRegistry::KeyExists(std::string_view key) const {
    const std::string relative = Resolve(key);
    if (relative == "\\") return false;
    return relative.empty() ||
           TRegistryFile::Load(RegistryStorePath()).KeyExists(FullPath(relative));
}

bool TRegistry::ValueExists(std::string_view name) const {
    return FOpen &&
           TRegistryFile::Load(RegistryStorePath()).FindValue(FullPath(FCurrentPath), name);
}

TRegDataType TRegistry::GetDataType(std::string_view name) const {
    if (!FOpen) return rdUnknown;
    const TRegistryFile file = TRegistryFile::Load(RegistryStorePath());
    const TRegValueData* v = file.FindValue(FullPath(FCurrentPath), name);
    if (!v) return rdUnknown;
    switch (v->Type) {
    case REG_SZ:
        return rdString;
    case REG_EXPAND_SZ:
        return rdExpandString;
    case REG_DWORD:
        return rdInteger;
    case REG_BINARY:
        return rdBinary;
    default:
        return rdUnknown;
    }
}

std::string TRegistry::ReadString(std::string_view name) const {
    if (!FOpen) return {};
    const TRegistryFile file = TRegistryFile::Load(RegistryStorePath());
    const TRegValueData* v = file.FindValue(FullPath(FCurrentPath), name);
    if (!v) return {};
    if (v->Type != REG_SZ && v->Type != REG_EXPAND_SZ)
        throw ERegistryException("Invalid data type for " + Quoted(name));
    return v->Bytes;
}

int32_t TRegistry::ReadInteger(std::string_view name) const {
    if (!FOpen) throw ERegistryException("Failed to get data for " + Quoted(name));
    const TRegistryFile file = TRegistryFile::Load(RegistryStorePath());
    const TRegValueData* v = file.FindValue(FullPath(FCurrentPath), name);
    if (v && v->Type != REG_DWORD)
        throw ERegistryException("Invalid data type for " + Quoted(name));
    if (!v || v->Bytes.size() != 4)
        throw ERegistryException("Failed to get data for " + Quoted(name));
    uint32_t u = 0;
    for (int b = 3; b >= 0; --b)
        u = u << 8 | static_cast<unsigned char>(v->Bytes[b]);
    return static_cast<int32_t>(u);
}

void TRegistry::WriteString(std::string_view name, std::string_view value) {
    Write(name, {REG_SZ, std::string(value)});
}

void TRegistry::WriteInteger(std::string_view name, int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    std::string bytes;
    for (int b = 0; b < 4; ++b)
        bytes += static_cast<char>((u >> (8 * b)) & 0xFF);
    Write(name, {REG_DWORD, bytes});
}

void TRegistry::Write(std::string_view name, const TRegValueData& data) {
    const std::string message = "Failed to set data for " + Quoted(name);
    if (!FOpen) throw ERegistryWriteError(message, "no key is open");
    if (HasControlCharacters(name))
        throw ERegistryWriteError(message, "a value name cannot hold control characters");
    const std::string store = RegistryStorePath();
    const TStoreLock lock(store);
    TRegistryFile file = TRegistryFile::Load(store); // a parse error is reported as itself
    file.SetValue(FullPath(FCurrentPath), name, data);
    try {
        file.Save(store);
    } catch (const ERegistryException& e) {
        throw ERegistryWriteError(message, e.what());
    }
}
