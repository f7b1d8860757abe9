// Profile files: any bytes parse; every value read back is valid UTF-8 of at
// most 2047 characters, and the caller's buffer is never overrun.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/services/TIniFile.h"
#include "platform/services/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TIniFile ini = TIniFile::FromBytes(bytes, "fuzz.ini");
    for (const auto& section : ini.ReadSections()) {
        for (const auto& key : ini.ReadSection(section)) {
            const std::string v = ini.ReadString(section, key, "");
            if (!IsValidUtf8(v) || Utf8Length(v) > MaxProfileValueLength) std::abort();
            if (!ini.ValueExists(section, key)) std::abort();
        }
    }
    return 0;
}
