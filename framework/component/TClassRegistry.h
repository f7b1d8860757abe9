#pragma once
// Published properties and the class registry of form definitions.
//
// A class registers its published properties in streaming order; the reader
// (TFormReader) parses a definition into TValue trees and applies each
// property in file order through these setters. Sub-objects (Font, SkinData)
// are reached by dotted paths through an Object getter; events name methods
// that the root form registered; references to other components are resolved
// after the whole definition is read. PropertyHelpers.h describes properties
// briefly (IntProp, StrProp, ObjectProp, EventProp, ...).

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "component/TPersistent.h"

class TComponent;

enum class TValueKind {
    vkInteger,
    vkFloat,
    vkString,
    vkIdent,
    vkSet,
    vkStrings,
    vkCollection,
    vkBinary
};

struct TPropertyAssignment;

struct TValue {
    TValueKind Kind = TValueKind::vkInteger;
    int64_t Int = 0;
    double Float = 0;
    std::string Str;                // string (UTF-8) or identifier
    std::vector<std::string> Items; // members of a set, or the lines of a string list
    std::vector<uint8_t> Bytes;     // binary data
    std::vector<std::vector<TPropertyAssignment>> CollectionItems;
    int Line = 0;
};

struct TPropertyAssignment {
    std::string Name; // may be a dotted path ("Font.Height"); ApplyProperty walks it
    TValue Value;
    int Line = 0;
};

// What a setter may need besides the value.
class TReadContext {
public:
    virtual ~TReadContext() = default;
    virtual TComponent* Root() const = 0;
    // Resolves a component name of the definition once everything is read.
    virtual void AddFixup(const std::string& name, std::function<void(TComponent*)> apply) = 0;
    // Raises the reader's error naming file, line and property.
    [[noreturn]] void Fail(const std::string& message) const {
        Raise(message);
        throw std::runtime_error(message); // Raise always throws; this keeps the compiler sure
    }

    // Where the value being applied stands, kept up to date by ApplyProperty
    // so that a setter's failure names them: the line, and the property as
    // "'Font.Height' of TButton".
    int Line = 0;
    std::string Where;

protected:
    // Throws the reader's error for message.
    virtual void Raise(const std::string& message) const = 0;
};

using TPropSetter = std::function<void(TPersistent& obj, const TValue& v, TReadContext& ctx)>;
using TSubObjectGetter = std::function<TPersistent*(TPersistent& obj)>;
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

struct TPropInfo {
    std::string Name;
    TPropSetter Set;         // for values
    TSubObjectGetter Object; // for sub-objects reached by dotted paths
};

// A method of a form that a definition can name as an event handler
// ("OnClick = Button1Click"). Events of other shapes are wired in code.
struct TMethodInfo {
    std::string Name;
    std::function<void(TComponent& root, TObject* sender)> Call;
};

struct TClassInfo {
    std::string Name;
    const TClassInfo* Parent = nullptr;
    TComponentFactory Create; // empty for classes that are not components
    std::vector<TPropInfo> Props;
    std::vector<TMethodInfo> Methods;

    // Case-insensitive, searching the parent classes too.
    const TPropInfo* FindProp(const std::string& name) const;
    bool InheritsFrom(const TClassInfo* other) const;
    const TMethodInfo* FindMethod(const std::string& name) const;
};

// Applies one assignment to obj: walks a dotted name through the Object
// getters, then calls the last property's setter. Unknown names, values a
// setter refuses and exceptions thrown by setters all end in ctx.Fail.
void ApplyProperty(TPersistent& obj, const TPropertyAssignment& a, TReadContext& ctx);

// The process-wide registry of classes that form definitions may name.
void RegisterClass(const TClassInfo* info);
const TClassInfo* FindClass(const std::string& name);
