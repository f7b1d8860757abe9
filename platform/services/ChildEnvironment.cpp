#include "platform/services/ChildEnvironment.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <utility>

extern char** environ;

namespace {
// The names with their "=", as environment entries begin. Written only where
// the environment itself is, so never while another thread reads them.
std::vector<std::string>& OwnNames() {
    static std::vector<std::string> names;
    return names;
}

bool IsOwn(std::string_view nameWithEquals) {
    const std::vector<std::string>& names = OwnNames();
    return std::find(names.begin(), names.end(), nameWithEquals) != names.end();
}
} // namespace

bool SetOwnVariable(const char* name, const char* value) {
    if (setenv(name, value, 1) != 0) return false;
    std::string entryStart = std::string(name) + "=";
    if (!IsOwn(entryStart)) OwnNames().push_back(std::move(entryStart));
    return true;
}

void RemoveOwnVariable(const char* name) {
    unsetenv(name);
    std::erase(OwnNames(), std::string(name) + "=");
}

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra) {
    std::vector<std::string> env(extra);
    for (char** e = environ; e && *e; ++e) {
        const std::string_view entry(*e);
        const std::string_view name = entry.substr(0, entry.find('=') + 1);
        if (IsOwn(name)) continue;
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
