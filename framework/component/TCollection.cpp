#include "component/TCollection.h"

#include <algorithm>
#include <stdexcept>

#include "component/TClassRegistry.h"

int TCollectionItem::Index() const {
    return FCollection ? FCollection->IndexOf(this) : -1;
}

void TCollectionItem::SetIndex(int index) {
    if (FCollection) FCollection->Move(Index(), index);
}

std::string TCollectionItem::DisplayName() const {
    const TClassInfo* info = ClassInfo();
    return info ? info->Name : std::string();
}

void TCollectionItem::Changed(bool all) {
    if (FCollection) FCollection->Changed(all ? nullptr : this);
}

TCollection::TCollection(TCollectionItemFactory factory, TPersistent* owner)
    : FFactory(std::move(factory)), FOwner(owner) {}

TCollection::~TCollection() {
    FUpdateCount = 1; // no notices while the items go
    FItems.clear();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return FItems[index].get();
}

TCollectionItem* TCollection::Add() {
    return Insert(Count());
}

TCollectionItem* TCollection::Insert(int index) {
    if (index < 0 || index > Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    std::unique_ptr<TCollectionItem> item = FFactory(this);
    if (!item) throw std::runtime_error("Collection item could not be created");
    item->FCollection = this;
    item->FID = FNextID++;
    TCollectionItem* raw = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    Changed(nullptr);
    return raw;
}

void TCollection::Delete(int index) {
    Items(index);
    FItems.erase(FItems.begin() + index);
    Changed(nullptr);
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    Changed(nullptr);
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (const auto& i : FItems)
        if (i->FID == id) return i.get();
    return nullptr;
}

int TCollection::IndexOf(const TCollectionItem* item) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[i].get() == item) return i;
    return -1;
}

void TCollection::Move(int from, int to) {
    Items(from);
    to = std::clamp(to, 0, Count() - 1);
    if (from == to) return;
    std::unique_ptr<TCollectionItem> item = std::move(FItems[from]);
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + to, std::move(item));
    Changed(nullptr);
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
    if (FUpdateCount == 0) Update(item);
}

void TCollection::Update(TCollectionItem* item) {
    if (OnUpdate) OnUpdate(item);
}
