#include "platform/services/RegImportText.h"

#include <cstdio>

#include "platform/services/WineRegText.h"

namespace {

constexpr const char* kHeader = "Windows Registry Editor Version 5.00";
constexpr const char* kRoot = "HKEY_CURRENT_USER\\";
constexpr const char* kEol = "\r\n";

bool HasControlCharacters(std::string_view s) {
    for (const unsigned char c : s)
        if (c < 0x20 || c == 0x7f) return true;
    return false;
}

std::string Quoted(std::string_view s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string HexBytes(std::string_view bytes) {
    std::string out;
    char hex[4];
    for (const unsigned char b : bytes) {
        std::snprintf(hex, sizeof hex, "%02x", b);
        if (!out.empty()) out += ',';
        out += hex;
    }
    return out;
}

std::string Utf16leBytes(std::u16string_view units) {
    std::string out;
    for (const char16_t u : units) {
        out += static_cast<char>(u & 0xff);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

std::string Data(const TRegValueData& data) {
    if (data.Type == REG_SZ && !HasControlCharacters(data.Bytes)) return Quoted(data.Bytes);
    if (data.Type == REG_DWORD && data.Bytes.size() == 4) {
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(data.Bytes[i]);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", v);
        return text;
    }
    std::string bytes = data.Bytes;
    // Texts travel as UTF-16 with their final NUL, as Windows keeps them.
    if (data.Type == REG_SZ || data.Type == REG_EXPAND_SZ)
        bytes = Utf16leBytes(Utf8ToUtf16(data.Bytes) + u'\0');
    if (data.Type == REG_BINARY) return "hex:" + HexBytes(bytes);
    return "hex(" + std::to_string(data.Type) + "):" + HexBytes(bytes);
}

} // namespace

std::string RegImportText(std::string_view keyPath, const std::vector<TRegNamedValue>& values) {
    std::string text =
        std::string(kHeader) + kEol + kEol + "[" + kRoot + std::string(keyPath) + "]" + kEol;
    for (const auto& [name, data] : values)
        text += (name.empty() ? std::string("@") : Quoted(name)) + "=" + Data(data) + kEol;
    text += kEol;
    return "\xff\xfe" + Utf16leBytes(Utf8ToUtf16(text));
}
