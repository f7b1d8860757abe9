// Registry store files: any bytes either parse or raise the parse error. A
// parsed file writes back to text that parses to the same text, and a value
// set in it reads back unchanged after writing and parsing again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/services/TRegistryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the value to set: a text with odd characters (no NUL,
    // which ends a registry text) or a number.
    const uint8_t pick = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    TRegistryFile file;
    try {
        file = TRegistryFile::Parse(bytes, "fuzz.reg");
    } catch (const ERegistryException&) {
        return 0;
    }
    const std::string text = file.Text();
    TRegistryFile again = TRegistryFile::Parse(text, "again.reg");
    if (again.Text() != text) std::abort();

    const std::string key = "HKEY_CURRENT_USER\\Software\\K\\" + std::to_string(pick % 3);
    TRegValueData value{REG_SZ, std::string("a\\\"b\r\n\t\xC3\xA7") + static_cast<char>(pick | 1)};
    if (pick & 0x80) value = {REG_DWORD, std::string(4, static_cast<char>(pick))};
    const std::string name = pick & 0x40 ? "" : "N\"\\";
    again.SetValue(key, name, value);
    const TRegistryFile third = TRegistryFile::Parse(again.Text(), "third.reg");
    const TRegValueData* back = third.FindValue(key, name);
    if (!back || back->Type != value.Type || back->Bytes != value.Bytes) std::abort();
    return 0;
}
