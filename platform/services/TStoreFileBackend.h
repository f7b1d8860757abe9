#pragma once
// The current user's keys (and any other root's) in our own store file
// (TRegistryFile.h). Every call reads the file afresh; every write takes the
// lock file beside it and replaces the file atomically.

#include <string>

#include "platform/services/TRegistryBackend.h"

class TStoreFileBackend : public TRegistryBackend {
public:
    explicit TStoreFileBackend(std::string path) : FPath(std::move(path)) {}

    bool KeyExists(HKEY root, std::string_view path) const override;
    std::optional<TRegValueData> FindValue(HKEY root, std::string_view path,
                                           std::string_view name) const override;
    void CreateKey(HKEY root, std::string_view path) override;
    void SetValue(HKEY root, std::string_view path, std::string_view name,
                  const TRegValueData& data) override;

private:
    std::string FPath;
};
