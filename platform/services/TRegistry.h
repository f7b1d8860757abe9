#pragma once
// Registry access in the manner Windows callers expect, over the store that
// SettingsLocation.h chooses: our own store file (TRegistryFile.h) or a Wine
// prefix's user.reg (TWinePrefixBackend.h). Every call reads the store
// afresh (a prefix's file is parsed again only when it changed) and every
// write rewrites it at once (atomically), so changes made by others in
// between are kept.
//
// Errors: reading a missing integer, or a value of the wrong type, raises
// ERegistryException with the message Windows programs show ("Failed to get
// data for 'X'", "Invalid data type for 'X'"); a failed write raises "Failed
// to set data for 'X'" with the cause in Reason(). A store that cannot be
// parsed raises its parse error (file and line) from any call that reads it,
// and is never written. A store that cannot take writes now (Wine running
// for the prefix) raises ERegistryUnavailable, whose message says why, from
// the write or from OpenKey's creating a key.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/services/SettingsLocation.h"
#include "platform/services/TRegistryBackend.h"

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

class TRegistry {
public:
    TRegistry() = default;
    ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY root);

    // A key beginning with '\' is taken from the root, else from the open key.
    // With canCreate a missing key (and its parents) is created in the store at
    // once. False when the key is absent and not created, or the name is bad;
    // a later write then raises the reason the key could not be created.
    bool OpenKey(std::string_view key, bool canCreate);
    void CloseKey();
    bool HasCurrentKey() const { return FOpen; }
    // Relative to the root, without a leading backslash.
    const std::string& CurrentPath() const { return FCurrentPath; }

    bool KeyExists(std::string_view key) const;
    bool ValueExists(std::string_view name) const;
    TRegDataType GetDataType(std::string_view name) const;

    // A missing value reads as the empty text; REG_SZ and REG_EXPAND_SZ only.
    std::string ReadString(std::string_view name) const;
    // REG_DWORD only.
    int32_t ReadInteger(std::string_view name) const;
    void WriteString(std::string_view name, std::string_view value);
    void WriteInteger(std::string_view name, int32_t value);

private:
    std::optional<TRegValueData> Find(std::string_view name) const;
    std::string Resolve(std::string_view key) const;
    void Write(std::string_view name, const TRegValueData& data);

    HKEY FRootKey = HKEY_CURRENT_USER;
    bool FOpen = false;
    std::string FCurrentPath;
    std::string FCreateError; // why the last OpenKey could not create its key
};

// A REG_DWORD's data: four bytes, low byte first.
TRegValueData DwordData(int32_t value);
// The value of a REG_DWORD's four bytes.
int32_t DwordValue(const TRegValueData& data);

// A registry error that carries, besides the message shown to the user, the
// cause underneath (the file system's error).
class ERegistryWriteError : public ERegistryException {
public:
    ERegistryWriteError(const std::string& message, std::string reason)
        : ERegistryException(message), FReason(std::move(reason)) {}
    const std::string& Reason() const { return FReason; }

private:
    std::string FReason;
};
