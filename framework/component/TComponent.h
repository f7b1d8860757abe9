#pragma once
// Components: named objects owned by another component. The owner destroys
// what it owns; every owned component hears of insertions and removals through
// Notification so that references between them never dangle.

#include <memory>
#include <string>
#include <vector>

#include "component/TPersistent.h"

enum TComponentStateFlag : unsigned {
    csLoading = 1,    // its definition is being read
    csDestroying = 2, // its destructor has begun
    csDesigning = 4,  // never set at run time; kept because painters test it
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name) { FName = name; }
    TComponent* Owner() const { return FOwner; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int i) const { return FComponents[i].get(); }
    // Case-insensitive search among the owned components.
    TComponent* FindComponent(const std::string& name) const;

    unsigned ComponentState() const { return FState; }
    bool IsLoading() const { return FState & csLoading; }
    bool IsDestroying() const { return FState & csDestroying; }
    void SetLoading(bool on);

    // Called once after the definition that holds the component is read.
    virtual void Loaded();
    // The reader calls this, before any property is applied, with the
    // component whose object block encloses this one's in the definition.
    // Controls take it as their parent; other components ignore it.
    virtual void SetParentComponent(TComponent* parent);
    // Another component of the same owner was inserted or is being removed.
    virtual void Notification(TComponent* component, TOperation operation);

    // Destroys the component through its owner (or directly when it has none).
    void Free();

protected:
    // Subclasses set csDestroying early in their destructors when they must
    // know it before the base destructor runs.
    void MarkDestroying() { FState |= csDestroying; }

private:
    void Insert(std::unique_ptr<TComponent> c);
    std::unique_ptr<TComponent> Extract(TComponent* c);
    void NotifyAll(TComponent* c, TOperation op);

    std::string FName;
    TComponent* FOwner = nullptr;
    unsigned FState = 0;
    std::vector<std::unique_ptr<TComponent>> FComponents;
};
