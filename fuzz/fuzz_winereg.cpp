// A Wine prefix's user.reg: any bytes either parse or raise the parse error.
// Every value of a parsed file decodes, and a value set in it reads back
// unchanged after parsing the edited text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/services/TWineRegistryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the key, the name and the value to set.
    const uint8_t pick = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    TWineRegistryFile file;
    try {
        file = TWineRegistryFile::Parse(bytes, "user.reg");
    } catch (const ERegistryException&) {
        return 0;
    }
    const std::string key = pick & 1 ? "K" : "Software\\K\xC3\xA9y [x]";
    const std::string name = pick & 0x40 ? "" : "N\"\\\xE4\xB8\xAD";
    (void)file.FindValue(key, name);
    (void)file.KeyExists("k");

    TRegValueData value{REG_SZ, std::string("a\\\"b\r\n\t\x1b\x01"
                                            "7\xC3\xA7\xF0\x9F\x98\x80") +
                                    static_cast<char>(pick | 1)};
    if (pick & 0x80) value = {REG_DWORD, std::string(4, static_cast<char>(pick))};
    if (pick & 0x20) value = {REG_BINARY, bytes.substr(0, pick)};
    file.SetValue(key, name, value, pick);
    const TWineRegistryFile again = TWineRegistryFile::Parse(file.Text(), "again.reg");
    const auto back = again.FindValue(key, name);
    if (!back || back->Type != value.Type || back->Bytes != value.Bytes) std::abort();
    return 0;
}
