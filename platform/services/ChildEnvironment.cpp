#include "platform/services/ChildEnvironment.h"

#include <string_view>

extern char** environ;

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra) {
    std::vector<std::string> env(extra);
    for (char** e = environ; e && *e; ++e) {
        const std::string_view entry(*e);
        const std::string_view name = entry.substr(0, entry.find('=') + 1);
        bool replaced = false;
        for (const auto& x : extra)
            replaced = replaced || std::string_view(x).starts_with(name);
        if (!replaced) env.emplace_back(entry);
    }
    return env;
}

std::vector<char*> CStringPointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (auto& s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}
