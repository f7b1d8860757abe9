#pragma once
// What TRegistry reads and writes through: one of the stores that can hold
// the current user's keys (our own store file, or a Wine prefix's registry).
// Key paths are relative to the root key, one backslash between parts, and
// checked by TRegistry before they come here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/services/TRegistryFile.h"

using HKEY = uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
constexpr HKEY HKEY_USERS = 0x80000003;

// A store that cannot take a write now, for a reason the user can act on
// (Wine is running, the prefix is not there yet). Its message says so.
class ERegistryUnavailable : public ERegistryException {
public:
    using ERegistryException::ERegistryException;
};

// Writing the store's file failed; the message is the file system's reason.
class ERegistrySaveError : public ERegistryException {
public:
    using ERegistryException::ERegistryException;
};

// Saves through the file's own Save, its failure as ERegistrySaveError.
template <class TFile> void SaveRegistryFile(const TFile& file, const std::string& path) {
    try {
        file.Save(path);
    } catch (const ERegistryException& e) {
        throw ERegistrySaveError(e.what());
    }
}

class TRegistryBackend {
public:
    virtual ~TRegistryBackend() = default;

    // Reads raise the store's parse error when it cannot be parsed.
    virtual bool KeyExists(HKEY root, std::string_view path) const = 0;
    virtual std::optional<TRegValueData> FindValue(HKEY root, std::string_view path,
                                                   std::string_view name) const = 0;
    // Writes raise ERegistryUnavailable, a parse error, or ERegistrySaveError;
    // the stored data then stays as it was.
    virtual void CreateKey(HKEY root, std::string_view path) = 0;
    virtual void SetValue(HKEY root, std::string_view path, std::string_view name,
                          const TRegValueData& data) = 0;
};
