#pragma once
// Registry access in the manner Windows callers expect, over the store file of
// TRegistryFile.h. Every call reads the file afresh and every write rewrites it
// at once (atomically), so nothing is cached between calls and changes made by
// others in between are kept.
//
// Where the store lives: SetRegistryStorePath() when set, else $QUELM_REGISTRY,
// else $XDG_CONFIG_HOME/quelm-launcher/registry.reg (~/.config when unset).
//
// Errors: reading a missing integer, or a value of the wrong type, raises
// ERegistryException with the message Windows programs show ("Failed to get
// data for 'X'", "Invalid data type for 'X'"); a failed write raises "Failed
// to set data for 'X'" with the cause in Reason(). A store file that cannot be
// parsed raises its parse error (file and line) from any call that reads it,
// and is never written.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/services/TRegistryFile.h"

using HKEY = uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
constexpr HKEY HKEY_USERS = 0x80000003;

void SetRegistryStorePath(std::string path); // empty: back to the environment
std::string RegistryStorePath();

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
    // once. False when the key is absent and not created, or the name is bad.
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
    std::string FullPath(std::string_view relative) const;
    std::string Resolve(std::string_view key) const;
    void Write(std::string_view name, const TRegValueData& data);

    HKEY FRootKey = HKEY_CURRENT_USER;
    bool FOpen = false;
    std::string FCurrentPath;
};

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
