#include "component/TClassRegistry.h"

#include <map>
#include <string_view>
#include <strings.h>

#include "component/EReadError.h"
#include "component/TPersistent.h"

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

namespace {
// Names are compared often while a definition is read (every property of
// every object against its class's list): the lengths decide most at once.
bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && strcasecmp(a.c_str(), b.c_str()) == 0;
}
} // namespace

const TPropInfo* TClassInfo::FindProp(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const TPropInfo& p : c->Props)
            if (SameName(p.Name, name)) return &p;
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
            if (SameName(m.Name, name)) return &m;
    return nullptr;
}

void RegisterClass(const TClassInfo* info) {
    Classes()[info->Name] = info;
}

const TClassInfo* FindClass(const std::string& name) {
    auto it = Classes().find(name);
    return it == Classes().end() ? nullptr : it->second;
}

namespace {
std::string ClassNameOf(const TPersistent& obj) {
    const TClassInfo* info = obj.ClassInfo();
    return info ? info->Name : std::string("an unregistered class");
}
} // namespace

void ApplyProperty(TPersistent& obj, const TPropertyAssignment& a, TReadContext& ctx) {
    ctx.Line = a.Line;
    ctx.Where = "'" + a.Name + "' of " + ClassNameOf(obj);
    TPersistent* target = &obj;
    std::string_view rest = a.Name;
    for (;;) {
        size_t dot = rest.find('.');
        std::string segment(rest.substr(0, dot));
        const TClassInfo* info = target->ClassInfo();
        const TPropInfo* prop = info ? info->FindProp(segment) : nullptr;
        if (!prop) ctx.Fail("Unknown property " + ctx.Where);
        if (dot == std::string_view::npos) {
            if (!prop->Set) ctx.Fail("Property " + ctx.Where + " takes no value of its own");
            try {
                prop->Set(*target, a.Value, ctx);
            } catch (const EReadError&) {
                throw;
            } catch (const std::exception& e) {
                ctx.Fail("Error setting property " + ctx.Where + ": " + e.what());
            }
            return;
        }
        if (!prop->Object)
            ctx.Fail("Property '" + segment + "' in " + ctx.Where + " has no sub-properties");
        TPersistent* sub = prop->Object(*target);
        if (!sub) ctx.Fail("Property '" + segment + "' in " + ctx.Where + " is not set");
        target = sub;
        rest = rest.substr(dot + 1);
    }
}
