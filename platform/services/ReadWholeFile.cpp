#include "platform/services/ReadWholeFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

std::optional<std::string> ReadWholeFile(const std::string& path) {
    // Opening a folder succeeds on Linux and reads as empty; that is not a file.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(s).str();
}
