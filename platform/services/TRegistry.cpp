#include "platform/services/TRegistry.h"

#include <optional>

namespace {

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

std::string Quoted(std::string_view name) {
    std::string out(1, '\'');
    out.append(name);
    out += '\'';
    return out;
}

} // namespace

void TRegistry::SetRootKey(HKEY root) {
    CloseKey();
    FRootKey = root;
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
    FCreateError.clear();
    if (!relative.empty()) {
        const auto store = OpenRegistryBackend();
        if (!store->KeyExists(FRootKey, relative)) {
            if (!canCreate) return false;
            try {
                store->CreateKey(FRootKey, relative);
            } catch (const ERegistryUnavailable& e) {
                FCreateError = e.what();
                return false;
            } catch (const ERegistrySaveError&) {
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
    return relative.empty() || OpenRegistryBackend()->KeyExists(FRootKey, relative);
}

std::optional<TRegValueData> TRegistry::Find(std::string_view name) const {
    if (!FOpen) return std::nullopt;
    return OpenRegistryBackend()->FindValue(FRootKey, FCurrentPath, name);
}

bool TRegistry::ValueExists(std::string_view name) const {
    return Find(name).has_value();
}

TRegDataType TRegistry::GetDataType(std::string_view name) const {
    const std::optional<TRegValueData> v = Find(name);
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
    const std::optional<TRegValueData> v = Find(name);
    if (!v) return {};
    if (v->Type != REG_SZ && v->Type != REG_EXPAND_SZ)
        throw ERegistryException("Invalid data type for " + Quoted(name));
    return v->Bytes;
}

int32_t TRegistry::ReadInteger(std::string_view name) const {
    if (!FOpen) throw ERegistryException("Failed to get data for " + Quoted(name));
    const std::optional<TRegValueData> v = Find(name);
    if (v && v->Type != REG_DWORD)
        throw ERegistryException("Invalid data type for " + Quoted(name));
    if (!v || v->Bytes.size() != 4)
        throw ERegistryException("Failed to get data for " + Quoted(name));
    return DwordValue(*v);
}

int32_t DwordValue(const TRegValueData& data) {
    if (data.Bytes.size() < 4) return 0;
    uint32_t u = 0;
    for (int b = 3; b >= 0; --b)
        u = u << 8 | static_cast<unsigned char>(data.Bytes[b]);
    return static_cast<int32_t>(u);
}

void TRegistry::WriteString(std::string_view name, std::string_view value) {
    Write(name, {REG_SZ, std::string(value)});
}

TRegValueData DwordData(int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    std::string bytes;
    for (int b = 0; b < 4; ++b)
        bytes += static_cast<char>((u >> (8 * b)) & 0xFF);
    return {REG_DWORD, bytes};
}

void TRegistry::WriteInteger(std::string_view name, int32_t value) {
    Write(name, DwordData(value));
}

// Parse errors and a store that cannot take writes now are reported as
// themselves; only a failed save becomes "Failed to set data".
void TRegistry::Write(std::string_view name, const TRegValueData& data) {
    const std::string message = "Failed to set data for " + Quoted(name);
    if (!FOpen && !FCreateError.empty()) throw ERegistryUnavailable(FCreateError);
    if (!FOpen) throw ERegistryWriteError(message, "no key is open");
    if (HasControlCharacters(name))
        throw ERegistryWriteError(message, "a value name cannot hold control characters");
    try {
        OpenRegistryBackend()->SetValue(FRootKey, FCurrentPath, name, data);
    } catch (const ERegistrySaveError& e) {
        throw ERegistryWriteError(message, e.what());
    }
}
