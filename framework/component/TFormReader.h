#pragma once
// Reads a form definition into an existing root component (a form).
//
// The root block's class must be the root's class or one of its ancestors.
// Child blocks create components of registered classes, owned by the root;
// each hears of its enclosing component through SetParentComponent before its
// properties are applied in file order. Events name methods of the root's
// class; component references are resolved once everything is read. Every
// component carries csLoading while the definition is read; then Loaded runs
// on each in creation order, the root first. The caller runs OnCreate after.
//
// A definition that cannot be read throws EReadError ("Unit1.dfm(12): ...");
// the components created by the failed read are destroyed again.

#include <string>
#include <string_view>
#include <vector>

#include "component/EReadError.h"
#include "component/TClassRegistry.h"
#include "component/TFormParser.h"

class TComponent;

class TFormReader final : public TReadContext {
public:
    TFormReader(TComponent* root, std::string fileName);

    void Read(std::string_view text);
    void Read(const TObjectDefinition& def);
    // Frees the tree once it is applied, before the components' Loaded.
    void Read(TObjectDefinition&& def);

    TComponent* Root() const override { return FRoot; }
    void AddFixup(const std::string& name, std::function<void(TComponent*)> apply) override;

protected:
    void Raise(const std::string& message) const override;

private:
    struct TFixup {
        std::string Name;
        std::function<void(TComponent*)> Apply;
        int Line;
        std::string Where;
    };

    void Apply(const TObjectDefinition& def);
    void ReadTree(const TObjectDefinition& def);
    void CheckRootClass(const TObjectDefinition& def);
    void ReadChild(const TObjectDefinition& def, TComponent* parent);
    TComponent* CreateChild(const TObjectDefinition& def);
    void ApplyProps(TComponent* c, const TObjectDefinition& def);
    void ResolveFixups();
    void CallLoaded();
    void Undo();

    TComponent* FRoot;
    std::string FFileName;
    std::vector<TComponent*> FLoading; // in creation order, the root first
    std::vector<TComponent*> FCreated; // by this read; destroyed when it fails
    std::vector<TFixup> FFixups;
};

// Reads a definition into root; the usual entry point for forms.
void ReadComponentResource(TComponent* root, std::string_view text, const std::string& fileName);
