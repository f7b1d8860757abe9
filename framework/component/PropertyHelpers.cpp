#include "component/PropertyHelpers.h"

#include <strings.h>

#include "graphics/Graphics.h"

namespace {
bool SameText(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

void CheckIdent(const TValue& v, TReadContext& ctx, const char* expected) {
    if (v.Kind != TValueKind::vkIdent) FailValue(ctx, expected);
}

[[noreturn]] void FailIdent(const TValue& v, TReadContext& ctx) {
    ctx.Fail("Invalid value '" + v.Str + "' for property " + ctx.Where);
}
} // namespace

void FailValue(TReadContext& ctx, const std::string& expected) {
    ctx.Fail("Invalid value for property " + ctx.Where + ": expected " + expected);
}

int64_t ValueToInt(const TValue& v, TReadContext& ctx, int64_t min, int64_t max) {
    if (v.Kind != TValueKind::vkInteger) FailValue(ctx, "an integer");
    if (v.Int < min || v.Int > max)
        ctx.Fail("Value " + std::to_string(v.Int) + " out of range for property " + ctx.Where);
    return v.Int;
}

int64_t ValueToInt(const TValue& v, TReadContext& ctx, int64_t min, int64_t max,
                   const std::vector<std::pair<std::string, int64_t>>& idents) {
    if (v.Kind == TValueKind::vkIdent) {
        for (const auto& [name, value] : idents)
            if (SameText(name, v.Str)) return value;
        FailIdent(v, ctx);
    }
    return ValueToInt(v, ctx, min, max);
}

double ValueToFloat(const TValue& v, TReadContext& ctx) {
    if (v.Kind == TValueKind::vkFloat) return v.Float;
    if (v.Kind == TValueKind::vkInteger) return static_cast<double>(v.Int);
    FailValue(ctx, "a number");
}

bool ValueToBool(const TValue& v, TReadContext& ctx) {
    CheckIdent(v, ctx, "True or False");
    if (SameText(v.Str, "True")) return true;
    if (SameText(v.Str, "False")) return false;
    FailValue(ctx, "True or False");
}

const std::string& ValueToString(const TValue& v, TReadContext& ctx) {
    if (v.Kind != TValueKind::vkString) FailValue(ctx, "a string");
    return v.Str;
}

int ValueToEnum(const TValue& v, TReadContext& ctx, const std::vector<std::string>& names) {
    CheckIdent(v, ctx, "an identifier");
    for (size_t i = 0; i < names.size(); ++i)
        if (SameText(names[i], v.Str)) return static_cast<int>(i);
    FailIdent(v, ctx);
}

uint64_t ValueToSet(const TValue& v, TReadContext& ctx, const std::vector<std::string>& names) {
    if (v.Kind != TValueKind::vkSet) FailValue(ctx, "a set");
    uint64_t bits = 0;
    for (const std::string& member : v.Items) {
        size_t i = 0;
        while (i < names.size() && i < 64 && !SameText(names[i], member))
            ++i;
        if (i == names.size() || i == 64)
            ctx.Fail("Invalid set member '" + member + "' for property " + ctx.Where);
        bits |= uint64_t(1) << i;
    }
    return bits;
}

TColor ValueToColor(const TValue& v, TReadContext& ctx) {
    if (v.Kind == TValueKind::vkInteger) {
        if (v.Int < INT32_MIN || v.Int > int64_t(UINT32_MAX))
            ctx.Fail("Value " + std::to_string(v.Int) + " out of range for property " + ctx.Where);
        return static_cast<TColor>(static_cast<uint32_t>(v.Int));
    }
    if (v.Kind != TValueKind::vkIdent) FailValue(ctx, "a colour");
    TColor c = 0;
    if (IdentToColor(v.Str, c)) return c;
    ctx.Fail("Unknown colour '" + v.Str + "' for property " + ctx.Where);
}

const std::vector<std::string>& ValueToStrings(const TValue& v, TReadContext& ctx) {
    if (v.Kind != TValueKind::vkStrings) FailValue(ctx, "a list of strings");
    return v.Items;
}

const std::vector<uint8_t>& ValueToBytes(const TValue& v, TReadContext& ctx) {
    if (v.Kind != TValueKind::vkBinary) FailValue(ctx, "binary data");
    return v.Bytes;
}

std::string ValueToComponentName(const TValue& v, TReadContext& ctx) {
    CheckIdent(v, ctx, "a component name");
    return SameText(v.Str, "nil") ? std::string() : v.Str;
}

TNotifyEvent ValueToEvent(const TValue& v, TReadContext& ctx) {
    CheckIdent(v, ctx, "a method name");
    if (SameText(v.Str, "nil")) return {};
    TComponent* root = ctx.Root();
    const TClassInfo* info = root ? root->ClassInfo() : nullptr;
    const TMethodInfo* method = info ? info->FindMethod(v.Str) : nullptr;
    if (!method)
        ctx.Fail("Unknown method '" + v.Str + "' of " +
                 (info ? info->Name : std::string("the form")) + " for property " + ctx.Where);
    return [root, method](TObject* sender) { method->Call(*root, sender); };
}
