#include "component/TFormReader.h"

#include <algorithm>
#include <exception>
#include <strings.h>

#include "component/TComponent.h"

namespace {
bool SameText(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

bool IsOwnedBy(const TComponent* owner, const TComponent* c) {
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (owner->Components(i) == c) return true;
    return false;
}

bool HasClassNamed(const TClassInfo* info, const std::string& name) {
    for (const TClassInfo* c = info; c; c = c->Parent)
        if (SameText(c->Name, name)) return true;
    return false;
}

std::string ClassNameOf(const TComponent* c) {
    return c->ClassInfo() ? c->ClassInfo()->Name : std::string("an unregistered class");
}
} // namespace

TFormReader::TFormReader(TComponent* root, std::string fileName)
    : FRoot(root), FFileName(std::move(fileName)) {}

// A setter's own message may not say which property it was about; add it.
void TFormReader::Raise(const std::string& message) const {
    if (Where.empty() || message.find(Where) != std::string::npos)
        throw EReadError(FFileName, Line, message);
    throw EReadError(FFileName, Line, message + " (property " + Where + ")");
}

void TFormReader::AddFixup(const std::string& name, std::function<void(TComponent*)> apply) {
    FFixups.push_back({name, std::move(apply), Line, Where});
}

void TFormReader::Read(std::string_view text) {
    Read(TFormParser::Parse(text, FFileName));
}

void TFormReader::Read(const TObjectDefinition& def) {
    Apply(def);
    CallLoaded();
}

// The tree goes before Loaded runs, as Loaded is where a skin manager decodes
// its pictures: the two would otherwise be held at once.
void TFormReader::Read(TObjectDefinition&& def) {
    {
        const TObjectDefinition tree = std::move(def);
        Apply(tree);
    }
    CallLoaded();
}

void TFormReader::Apply(const TObjectDefinition& def) {
    try {
        ReadTree(def);
        ResolveFixups();
    } catch (...) {
        Undo();
        throw;
    }
    FCreated.clear();
}

void TFormReader::ReadTree(const TObjectDefinition& def) {
    CheckRootClass(def);
    FRoot->SetLoading(true);
    FLoading.push_back(FRoot);
    if (!def.Name.empty()) FRoot->SetName(def.Name);
    ApplyProps(FRoot, def);
    for (const TObjectDefinition& child : def.Children)
        ReadChild(child, FRoot);
}

void TFormReader::CheckRootClass(const TObjectDefinition& def) {
    Line = def.Line;
    if (!HasClassNamed(FRoot->ClassInfo(), def.ClassName))
        Fail("Root class '" + def.ClassName + "' does not match " + ClassNameOf(FRoot));
}

void TFormReader::ReadChild(const TObjectDefinition& def, TComponent* parent) {
    TComponent* c = CreateChild(def);
    c->SetLoading(true);
    FLoading.push_back(c);
    Line = def.Line;
    try {
        c->SetParentComponent(parent);
    } catch (const EReadError&) {
        throw;
    } catch (const std::exception& e) {
        Fail("Cannot place '" + def.Name + "' in '" + parent->Name() + "': " + e.what());
    }
    ApplyProps(c, def);
    for (const TObjectDefinition& child : def.Children)
        ReadChild(child, c);
}

// "inherited" and "inline" blocks update a component that already exists
// when there is one; every other block creates a new component.
TComponent* TFormReader::CreateChild(const TObjectDefinition& def) {
    Line = def.Line;
    Where.clear();
    TComponent* existing = def.Name.empty() ? nullptr : FRoot->FindComponent(def.Name);
    if (existing && def.Keyword != TObjectKeyword::okObject) {
        if (!HasClassNamed(existing->ClassInfo(), def.ClassName))
            Fail("Component '" + def.Name + "' is " + ClassNameOf(existing) + ", not " +
                 def.ClassName);
        return existing;
    }
    if (existing || (!def.Name.empty() && SameText(def.Name, FRoot->Name())))
        Fail("A component named '" + def.Name + "' already exists");
    const TClassInfo* info = FindClass(def.ClassName);
    if (!info) Fail("Unknown class '" + def.ClassName + "'");
    if (!info->Create) Fail("Class '" + def.ClassName + "' cannot be created by a definition");
    TComponent* c = nullptr;
    try {
        c = info->Create(FRoot);
    } catch (const EReadError&) {
        throw;
    } catch (const std::exception& e) {
        Fail("Error creating '" + def.Name + "' of " + def.ClassName + ": " + e.what());
    }
    if (!c) Fail("Class '" + def.ClassName + "' cannot be created by a definition");
    if (c->Owner() != FRoot) {
        if (!c->Owner()) c->Free();
        Fail("Class '" + def.ClassName + "' did not take the form as its owner");
    }
    FCreated.push_back(c);
    c->SetName(def.Name);
    return c;
}

void TFormReader::ApplyProps(TComponent* c, const TObjectDefinition& def) {
    for (const TPropertyAssignment& a : def.Props)
        ApplyProperty(*c, a, *this);
}

void TFormReader::ResolveFixups() {
    std::vector<TFixup> fixups = std::move(FFixups);
    FFixups.clear();
    for (TFixup& f : fixups) {
        Line = f.Line;
        Where = f.Where;
        TComponent* target = FRoot->FindComponent(f.Name);
        if (!target && SameText(f.Name, FRoot->Name())) target = FRoot;
        if (!target) Fail("Unknown component '" + f.Name + "' for property " + Where);
        try {
            f.Apply(target);
        } catch (const EReadError&) {
            throw;
        } catch (const std::exception& e) {
            Fail("Error setting property " + Where + ": " + e.what());
        }
    }
}

// A Loaded that throws does not stop the others: the tree stays consistent and
// the first exception goes on to the caller afterwards.
void TFormReader::CallLoaded() {
    std::vector<TComponent*> loading = std::move(FLoading);
    FLoading.clear();
    std::exception_ptr first;
    for (TComponent* c : loading) {
        try {
            c->Loaded();
        } catch (...) {
            if (!first) first = std::current_exception();
        }
    }
    for (TComponent* c : loading)
        c->SetLoading(false);
    if (first) std::rethrow_exception(first);
}

void TFormReader::Undo() {
    FFixups.clear();
    for (TComponent* c : FLoading)
        if (c == FRoot || IsOwnedBy(FRoot, c)) c->SetLoading(false);
    FLoading.clear();
    // Newest first, so that children go before the controls that hold them.
    for (auto it = FCreated.rbegin(); it != FCreated.rend(); ++it)
        if (IsOwnedBy(FRoot, *it)) (*it)->Free();
    FCreated.clear();
}

void ReadComponentResource(TComponent* root, std::string_view text, const std::string& fileName) {
    TFormReader(root, fileName).Read(text);
}
