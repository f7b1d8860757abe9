#include "platform/services/CommandLine.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

void SkipBlanks(std::string_view s, size_t& i) {
    while (i < s.size() && IsBlank(s[i]))
        ++i;
}

// One word after the program; i is on its first character and ends after it.
std::string NextWord(std::string_view s, size_t& i) {
    std::string word;
    int quotes = 0;     // 1 while inside a quoted part
    size_t slashes = 0; // backslashes just before the current character
    while (i < s.size() && !(IsBlank(s[i]) && quotes == 0)) {
        const char c = s[i++];
        if (c == '\\') {
            word += c;
            ++slashes;
            continue;
        }
        if (c != '"') {
            word += c;
            slashes = 0;
            continue;
        }
        if (slashes % 2 == 1) {
            word.resize(word.size() - slashes / 2 - 1);
            word += '"';
            slashes = 0;
            continue;
        }
        word.resize(word.size() - slashes / 2);
        slashes = 0;
        ++quotes;
        for (; i < s.size() && s[i] == '"'; ++i) {
            if (++quotes == 3) {
                word += '"';
                quotes = 0;
            }
        }
        if (quotes == 2) quotes = 0;
    }
    return word;
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view s) {
    std::vector<std::string> words;
    size_t i = 0;
    SkipBlanks(s, i);
    if (i == s.size()) return words;

    std::string program;
    if (s[i] == '"') {
        const size_t close = s.find('"', i + 1);
        program = s.substr(i + 1, close == std::string_view::npos ? s.npos : close - i - 1);
        i = close == std::string_view::npos ? s.size() : close + 1;
    } else {
        while (i < s.size() && !IsBlank(s[i]))
            program += s[i++];
    }
    words.push_back(std::move(program));

    for (SkipBlanks(s, i); i < s.size(); SkipBlanks(s, i))
        words.push_back(NextWord(s, i));
    return words;
}
