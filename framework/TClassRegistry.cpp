#include "framework/TClassRegistry.h"

#include <map>
#include <strings.h>

namespace {
struct CaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    }
};
std::map<std::string, const TClassInfo*, CaseLess>& Classes() {
    static std::map<std::string, const TClassInfo*, CaseLess> classes;
    return classes;
}
} // namespace

const TPropInfo* TClassInfo::FindProp(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const TPropInfo& p : c->Props)
            if (strcasecmp(p.Name.c_str(), name.c_str()) == 0) return &p;
    return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo* other) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (c == other) return true;
    return false;
}

const TMethodInfo* TClassInfo::FindMethod(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const TMethodInfo& m : c->Methods)
            if (strcasecmp(m.Name.c_str(), name.c_str()) == 0) return &m;
    return nullptr;
}

void RegisterClass(const TClassInfo* info) { Classes()[info->Name] = info; }

const TClassInfo* FindClass(const std::string& name) {
    auto it = Classes().find(name);
    return it == Classes().end() ? nullptr : it->second;
}
