#pragma once
// The current user's keys in a Wine prefix's registry file user.reg
// (TWineRegistryFile.h), read directly, without starting Wine. Only
// HKEY_CURRENT_USER lives there; other roots read as empty and refuse
// writes.
//
// Reads keep the parsed file while its size, time and identity are
// unchanged, so the values of one dialog read the file once.
//
// A write edits user.reg in place only while no Wine server runs for the
// prefix (WineServer.h); while one runs, or before the prefix exists (Wine
// creates it with its first run), the write raises ERegistryUnavailable and
// the file is left alone: such writes go through Wine itself
// (TWineWriteJob.h), which the caller starts when WritesThroughWine() says
// so. A lock on the prefix folder keeps two launchers' writes apart. There
// remains a short moment between the check and the rename in which a server
// that starts then reads the old file; the change is then lost when it
// saves, but nothing is damaged.

#include <functional>
#include <memory>
#include <string>

#include "platform/services/TRegistryBackend.h"
#include "platform/services/TWineRegistryFile.h"
#include "platform/services/WineServer.h"

class TWinePrefixBackend : public TRegistryBackend {
public:
    explicit TWinePrefixBackend(std::string prefix,
                                std::string serverTempRoot = kWineServerTempRoot);

    const std::string& Prefix() const { return FPrefix; }
    std::string UserRegPath() const { return FPrefix + "/user.reg"; }
    // Empty when a write can go ahead in user.reg now, else why not.
    std::string WhyNotWritable() const;
    // True while a write has to go through Wine: the prefix is not there yet,
    // or a Wine server runs for it.
    bool WritesThroughWine() const { return !WhyNotWritable().empty(); }

    bool KeyExists(HKEY root, std::string_view path) const override;
    std::optional<TRegValueData> FindValue(HKEY root, std::string_view path,
                                           std::string_view name) const override;
    void CreateKey(HKEY root, std::string_view path) override;
    void SetValue(HKEY root, std::string_view path, std::string_view name,
                  const TRegValueData& data) override;

private:
    // The parsed file, or none while the prefix has no user.reg.
    std::shared_ptr<const TWineRegistryFile> Current() const;
    void Edit(HKEY root, const std::function<bool(TWineRegistryFile&)>& change);

    std::string FPrefix;
    std::string FServerTempRoot;
};
