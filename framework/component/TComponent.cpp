#include "component/TComponent.h"

#include <algorithm>
#include <strings.h>

#include "component/TClassRegistry.h"

TComponent::TComponent(TComponent* owner) : FOwner(owner) {
    if (owner) owner->Insert(std::unique_ptr<TComponent>(this));
}

TComponent::~TComponent() {
    FState |= csDestroying;
    // Destroyed while its owner still holds it: by a plain delete, or by a
    // derived constructor that threw. Leave the owner's list first.
    if (FOwner) {
        TComponent* owner = FOwner;
        FOwner = nullptr;
        owner->NotifyAll(this, TOperation::opRemove);
        owner->Extract(this).release();
    }
    // Destroy owned components last-created first, each telling the others.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back().get();
        NotifyAll(c, TOperation::opRemove);
        std::unique_ptr<TComponent> doomed = std::move(FComponents.back());
        FComponents.pop_back();
        doomed->FOwner = nullptr;
    }
}

const TClassInfo* TComponent::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.Name = "TComponent";
        i.Props.push_back({"Name",
                           [](TPersistent& o, const TValue& v, TReadContext&) {
                               static_cast<TComponent&>(o).SetName(v.Str);
                           },
                           nullptr});
        return i;
    }();
    return &info;
}

const TClassInfo* TComponent::ClassInfo() const {
    return StaticClassInfo();
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (const auto& c : FComponents)
        if (strcasecmp(c->FName.c_str(), name.c_str()) == 0) return c.get();
    return nullptr;
}

void TComponent::SetLoading(bool on) {
    if (on)
        FState |= csLoading;
    else
        FState &= ~csLoading;
}

void TComponent::Loaded() {
    SetLoading(false);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::Free() {
    if (FOwner) {
        TComponent* owner = FOwner;
        owner->NotifyAll(this, TOperation::opRemove);
        std::unique_ptr<TComponent> doomed = owner->Extract(this);
        doomed->FOwner = nullptr;
    } else {
        delete this;
    }
}

void TComponent::Insert(std::unique_ptr<TComponent> c) {
    TComponent* raw = c.get();
    FComponents.push_back(std::move(c));
    NotifyAll(raw, TOperation::opInsert);
}

std::unique_ptr<TComponent> TComponent::Extract(TComponent* c) {
    auto it = std::find_if(FComponents.begin(), FComponents.end(),
                           [c](const auto& p) { return p.get() == c; });
    if (it == FComponents.end()) return nullptr;
    std::unique_ptr<TComponent> out = std::move(*it);
    FComponents.erase(it);
    return out;
}

void TComponent::NotifyAll(TComponent* c, TOperation op) {
    Notification(c, op);
    for (const auto& other : FComponents)
        if (other.get() != c) other->Notification(c, op);
}
