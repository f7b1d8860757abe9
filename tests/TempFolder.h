#pragma once
// A fresh folder under the system's temporary folder, removed with everything
// in it when the test ends, and the one way tests read a whole file back.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/services/ReadWholeFile.h"

// The bytes of a file the test needs; a file that cannot be read fails the
// test (and reads as empty) rather than passing as an empty file.
inline std::string ReadTestFile(const std::string& path) {
    std::optional<std::string> bytes = ReadWholeFile(path);
    EXPECT_TRUE(bytes.has_value()) << "cannot read " << path;
    return bytes.value_or("");
}

class TTempFolder {
public:
    TTempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quelm-test-XXXXXX").string();
        FPath = mkdtemp(pattern.data());
    }
    ~TTempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(FPath, ec);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::string operator/(std::string_view name) const { return FPath + "/" + std::string(name); }
    const std::string& Path() const { return FPath; }

    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::string path = *this / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // Empty while the file does not exist yet: tests poll for files that a
    // detached child writes.
    std::string Read(std::string_view name) const {
        return ReadWholeFile(*this / name).value_or("");
    }

private:
    std::string FPath;
};
