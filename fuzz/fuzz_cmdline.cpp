// Command lines: splitting never fails, and words quoted back by the Windows
// rules and split again come out the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/services/CommandLine.h"

namespace {

std::string QuoteWord(const std::string& w) {
    if (!w.empty() && w.find_first_of(" \t\"") == std::string::npos) return w;
    std::string out = "\"";
    size_t slashes = 0;
    for (const char c : w) {
        if (c == '\\') {
            ++slashes;
        } else {
            if (c == '"') out.append(slashes + 1, '\\');
            slashes = 0;
        }
        out += c;
    }
    out.append(slashes, '\\');
    return out + '"';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> words = SplitCommandLine(line);
    if (words.empty() || words[0].find('"') != std::string::npos || words[0].empty()) return 0;
    std::string joined =
        words[0].find_first_of(" \t") == std::string::npos ? words[0] : "\"" + words[0] + "\"";
    for (size_t i = 1; i < words.size(); ++i)
        joined += " " + QuoteWord(words[i]);
    if (SplitCommandLine(joined) != words) std::abort();
    return 0;
}
