#pragma once
// Short descriptions of published properties, for a class's TClassInfo:
//
//   const TClassInfo* TLabel::StaticClassInfo() {
//       static const TClassInfo info = MakeClassInfo<TLabel>(
//           "TLabel", TControl::StaticClassInfo(),
//           {IntProp("Left", &TControl::SetLeft),           // a setter or a field
//            StrProp("Caption", &TControl::SetCaption),
//            EnumProp("Alignment", &TLabel::SetAlignment,
//                     {"taLeftJustify", "taRightJustify", "taCenter"}),
//            ColorProp("Color", &TControl::SetColor),
//            ObjectProp("Font", &TControl::Font),          // a getter: Font.Height = -11
//            EventProp("OnClick", &TControl::OnClick)});  // a TNotifyEvent field or setter
//       return &info;
//   }
//
// Sets stream as SetProp("BorderIcons", &TForm::SetBorderIcons, {"biSystemMenu", ...}).
//
// A member is a setter "R (C::*)(A)" or a field "A C::*"; the value is
// converted to A or the read fails naming file, line and property. The
// optional first template argument (IntProp<TButton>(...)) only documents the
// class. For anything else, Prop<T>(name, lambda) gets the raw TValue.
// Forms list their event handlers with Method("Button1Click", &TForm1::Button1Click).

#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "component/TClassRegistry.h"
#include "component/TComponent.h"
#include "platform/Types.h"

// ---- Conversions; each fails through ctx naming the property --------------

[[noreturn]] void FailValue(TReadContext& ctx, const std::string& expected);
int64_t ValueToInt(const TValue& v, TReadContext& ctx, int64_t min, int64_t max);
// An integer, or one of the named constants ("crHandPoint", "DEFAULT_CHARSET").
int64_t ValueToInt(const TValue& v, TReadContext& ctx, int64_t min, int64_t max,
                   const std::vector<std::pair<std::string, int64_t>>& idents);
double ValueToFloat(const TValue& v, TReadContext& ctx);
bool ValueToBool(const TValue& v, TReadContext& ctx);
const std::string& ValueToString(const TValue& v, TReadContext& ctx);
// The position of the identifier in names.
int ValueToEnum(const TValue& v, TReadContext& ctx, const std::vector<std::string>& names);
// Bit i set for member names[i].
uint64_t ValueToSet(const TValue& v, TReadContext& ctx, const std::vector<std::string>& names);
// A number (32-bit pattern, so $FF00000F works) or a colour name (IdentToColor).
TColor ValueToColor(const TValue& v, TReadContext& ctx);
const std::vector<std::string>& ValueToStrings(const TValue& v, TReadContext& ctx);
const std::vector<uint8_t>& ValueToBytes(const TValue& v, TReadContext& ctx);
// The name of a component, or empty for nil.
std::string ValueToComponentName(const TValue& v, TReadContext& ctx);
// A handler calling the root's method of that name; empty for nil.
TNotifyEvent ValueToEvent(const TValue& v, TReadContext& ctx);

namespace PropertyDetail {
template <class M> struct TMember;
template <class C, class R, class A> struct TMember<R (C::*)(A)> {
    using Class = C;
    using Arg = std::remove_cvref_t<A>;
    static void Put(TPersistent& o, R (C::*m)(A), Arg v) { (static_cast<C&>(o).*m)(std::move(v)); }
};
template <class C, class R, class A> struct TMember<R (C::*)(A) noexcept> {
    using Class = C;
    using Arg = std::remove_cvref_t<A>;
    static void Put(TPersistent& o, R (C::*m)(A) noexcept, Arg v) {
        (static_cast<C&>(o).*m)(std::move(v));
    }
};
template <class C, class A> struct TMember<A C::*> {
    using Class = C;
    using Arg = A;
    static void Put(TPersistent& o, A C::*m, Arg v) { static_cast<C&>(o).*m = std::move(v); }
};

template <class M> struct TGetter { static constexpr bool IsGetter = false; };
template <class C, class R> struct TGetter<R* (C::*)()> {
    static constexpr bool IsGetter = true;
    using Result = R;
    static R* Get(TPersistent& o, R* (C::*m)()) { return (static_cast<C&>(o).*m)(); }
};
template <class C, class R> struct TGetter<R* (C::*)() const> {
    static constexpr bool IsGetter = true;
    using Result = R;
    static R* Get(TPersistent& o, R* (C::*m)() const) { return (static_cast<C&>(o).*m)(); }
};

template <class T, class M> constexpr void CheckClass() {
    if constexpr (!std::is_void_v<T>)
        static_assert(std::is_base_of_v<typename TMember<M>::Class, T>, "member of another class");
}

template <class A> constexpr int64_t MinOf() {
    return static_cast<int64_t>(std::numeric_limits<A>::min());
}
template <class A> constexpr int64_t MaxOf() {
    if constexpr (std::is_unsigned_v<A> && sizeof(A) >= sizeof(int64_t))
        return std::numeric_limits<int64_t>::max();
    else
        return static_cast<int64_t>(std::numeric_limits<A>::max());
}
} // namespace PropertyDetail

// ---- Property descriptions -------------------------------------------------

template <class T, class F> TPropInfo Prop(std::string name, F f) {
    return {
        std::move(name),
        [f](TPersistent& o, const TValue& v, TReadContext& ctx) { f(static_cast<T&>(o), v, ctx); },
        nullptr};
}

template <class T = void, class M> TPropInfo IntProp(std::string name, M m) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    using A = typename D::Arg;
    static_assert(std::is_integral_v<A> && !std::is_same_v<A, bool>, "IntProp needs an integer");
    return {std::move(name),
            [m](TPersistent& o, const TValue& v, TReadContext& ctx) {
                D::Put(o, m,
                       static_cast<A>(ValueToInt(v, ctx, PropertyDetail::MinOf<A>(),
                                                 PropertyDetail::MaxOf<A>())));
            },
            nullptr};
}

template <class T = void, class M>
TPropInfo IntProp(std::string name, M m, std::vector<std::pair<std::string, int64_t>> idents) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    using A = typename D::Arg;
    static_assert(std::is_integral_v<A> && !std::is_same_v<A, bool>, "IntProp needs an integer");
    return {std::move(name),
            [m, idents = std::move(idents)](TPersistent& o, const TValue& v, TReadContext& ctx) {
                D::Put(o, m,
                       static_cast<A>(ValueToInt(v, ctx, PropertyDetail::MinOf<A>(),
                                                 PropertyDetail::MaxOf<A>(), idents)));
            },
            nullptr};
}

template <class T = void, class M> TPropInfo FloatProp(std::string name, M m) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    using A = typename D::Arg;
    static_assert(std::is_floating_point_v<A>, "FloatProp needs a floating-point value");
    return {std::move(name),
            [m](TPersistent& o, const TValue& v, TReadContext& ctx) {
                D::Put(o, m, static_cast<A>(ValueToFloat(v, ctx)));
            },
            nullptr};
}

template <class T = void, class M> TPropInfo StrProp(std::string name, M m) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    static_assert(std::is_same_v<typename D::Arg, std::string>, "StrProp needs a std::string");
    return {std::move(name),
            [m](TPersistent& o, const TValue& v, TReadContext& ctx) {
                D::Put(o, m, ValueToString(v, ctx));
            },
            nullptr};
}

template <class T = void, class M> TPropInfo BoolProp(std::string name, M m) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    static_assert(std::is_same_v<typename D::Arg, bool>, "BoolProp needs a bool");
    return {std::move(name),
            [m](TPersistent& o, const TValue& v, TReadContext& ctx) {
                D::Put(o, m, ValueToBool(v, ctx));
            },
            nullptr};
}

// names lists the enumeration's identifiers in the order of their values.
template <class T = void, class M>
TPropInfo EnumProp(std::string name, M m, std::vector<std::string> names) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    using A = typename D::Arg;
    static_assert(std::is_enum_v<A> || std::is_integral_v<A>, "EnumProp needs an enumeration");
    return {std::move(name),
            [m, names = std::move(names)](TPersistent& o, const TValue& v, TReadContext& ctx) {
                D::Put(o, m, static_cast<A>(ValueToEnum(v, ctx, names)));
            },
            nullptr};
}

// The member takes the set as bits: 1 << (position of the member's name).
template <class T = void, class M>
TPropInfo SetProp(std::string name, M m, std::vector<std::string> names) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    using A = typename D::Arg;
    return {std::move(name),
            [m, names = std::move(names)](TPersistent& o, const TValue& v, TReadContext& ctx) {
                D::Put(o, m, static_cast<A>(ValueToSet(v, ctx, names)));
            },
            nullptr};
}

template <class T = void, class M> TPropInfo ColorProp(std::string name, M m) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    using A = typename D::Arg;
    return {std::move(name),
            [m](TPersistent& o, const TValue& v, TReadContext& ctx) {
                D::Put(o, m, static_cast<A>(ValueToColor(v, ctx)));
            },
            nullptr};
}

// A sub-object reached by dotted paths; the getter returns a TPersistent
// whose ClassInfo lists its own properties.
template <class T = void, class G> TPropInfo ObjectProp(std::string name, G getter) {
    using D = PropertyDetail::TGetter<G>;
    static_assert(D::IsGetter, "ObjectProp needs a getter R* (C::*)()");
    static_assert(std::is_base_of_v<TPersistent, typename D::Result>,
                  "ObjectProp needs a TPersistent");
    return {std::move(name), nullptr,
            [getter](TPersistent& o) -> TPersistent* { return D::Get(o, getter); }};
}

template <class T = void, class M> TPropInfo EventProp(std::string name, M m) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    static_assert(std::is_same_v<typename D::Arg, TNotifyEvent>, "EventProp needs a TNotifyEvent");
    return {std::move(name),
            [m](TPersistent& o, const TValue& v, TReadContext& ctx) {
                D::Put(o, m, ValueToEvent(v, ctx));
            },
            nullptr};
}

// A reference to another component of the form, set after the whole
// definition is read; the member takes a P* for some component class P.
template <class T = void, class M> TPropInfo ComponentRefProp(std::string name, M m) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    using A = typename D::Arg;
    using P = std::remove_pointer_t<A>;
    static_assert(std::is_pointer_v<A> && std::is_base_of_v<TComponent, P>,
                  "ComponentRefProp needs a component pointer");
    return {std::move(name),
            [m](TPersistent& o, const TValue& v, TReadContext& ctx) {
                std::string target = ValueToComponentName(v, ctx);
                if (target.empty()) {
                    D::Put(o, m, nullptr);
                    return;
                }
                TPersistent* obj = &o;
                TReadContext* c = &ctx;
                ctx.AddFixup(target, [obj, m, c, target](TComponent* found) {
                    P* p = dynamic_cast<P*>(found);
                    if (!p) c->Fail("Component '" + target + "' does not fit property " + c->Where);
                    D::Put(*obj, m, p);
                });
            },
            nullptr};
}

// A string list: a setter or field taking std::vector<std::string>, or a
// getter of an object with Clear() and Add(const std::string&).
template <class T = void, class M> TPropInfo StringsProp(std::string name, M m) {
    return {std::move(name),
            [m](TPersistent& o, const TValue& v, TReadContext& ctx) {
                const std::vector<std::string>& lines = ValueToStrings(v, ctx);
                if constexpr (PropertyDetail::TGetter<M>::IsGetter) {
                    auto* list = PropertyDetail::TGetter<M>::Get(o, m);
                    if (!list) ctx.Fail("Property " + ctx.Where + " is not set");
                    list->Clear();
                    for (const std::string& s : lines)
                        list->Add(s);
                } else {
                    PropertyDetail::TMember<M>::Put(o, m, lines);
                }
            },
            nullptr};
}

template <class T = void, class M> TPropInfo BinaryProp(std::string name, M m) {
    PropertyDetail::CheckClass<T, M>();
    using D = PropertyDetail::TMember<M>;
    return {std::move(name),
            [m](TPersistent& o, const TValue& v, TReadContext& ctx) {
                D::Put(o, m, ValueToBytes(v, ctx));
            },
            nullptr};
}

// A collection: the getter returns an object with Clear() and Add(), Add
// returning a new TPersistent item whose ClassInfo lists the item's properties.
// Reading replaces the items.
template <class T = void, class G> TPropInfo CollectionProp(std::string name, G getter) {
    using D = PropertyDetail::TGetter<G>;
    static_assert(D::IsGetter, "CollectionProp needs a getter R* (C::*)()");
    return {std::move(name),
            [getter](TPersistent& o, const TValue& v, TReadContext& ctx) {
                if (v.Kind != TValueKind::vkCollection) FailValue(ctx, "a collection");
                auto* coll = D::Get(o, getter);
                if (!coll) ctx.Fail("Property " + ctx.Where + " is not set");
                coll->Clear();
                for (const std::vector<TPropertyAssignment>& item : v.CollectionItems) {
                    TPersistent* p = coll->Add();
                    for (const TPropertyAssignment& a : item)
                        ApplyProperty(*p, a, ctx);
                }
            },
            nullptr};
}

// ---- Methods and classes ---------------------------------------------------

template <class T> TMethodInfo Method(std::string name, void (T::*m)(TObject*)) {
    return {std::move(name),
            [m](TComponent& root, TObject* sender) { (static_cast<T&>(root).*m)(sender); }};
}

// A class description; components constructible from their owner get a factory.
template <class T>
TClassInfo MakeClassInfo(std::string name, const TClassInfo* parent,
                         std::vector<TPropInfo> props = {}, std::vector<TMethodInfo> methods = {}) {
    TClassInfo info;
    info.Name = std::move(name);
    info.Parent = parent;
    info.Props = std::move(props);
    info.Methods = std::move(methods);
    if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                  std::is_constructible_v<T, TComponent*>)
        info.Create = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return info;
}
