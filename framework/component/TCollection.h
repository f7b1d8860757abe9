#pragma once
// A collection owns items of one class, made by its factory. Items know their
// collection and index; a change to an item or to the list calls Update, which
// a subclass or OnUpdate turns into a repaint of whatever shows the items.
//
//   TCollection buttons([](TCollection* c) { return std::make_unique<TMyItem>(c); }, owner);
//   auto* b = static_cast<TMyItem*>(buttons.Add());

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "component/TPersistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* collection) : FCollection(collection) {}
    ~TCollectionItem() override = default;

    TCollection* Collection() const { return FCollection; }
    int Index() const;
    void SetIndex(int index);
    // Unique within the collection, never reused.
    int ID() const { return FID; }
    virtual std::string DisplayName() const;

protected:
    // Tells the collection this item (or, with all, every item) changed.
    void Changed(bool all);

private:
    friend class TCollection;
    TCollection* FCollection;
    int FID = 0;
};

using TCollectionItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;

class TCollection : public TPersistent {
public:
    TCollection(TCollectionItemFactory factory, TPersistent* owner = nullptr);
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    TPersistent* Owner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TCollectionItem* Items(int index) const;
    template <class T> T* ItemAs(int index) const { return static_cast<T*>(Items(index)); }
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;
    int IndexOf(const TCollectionItem* item) const;
    void Move(int from, int to);

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // Null item: the whole collection changed.
    std::function<void(TCollectionItem* item)> OnUpdate;

protected:
    virtual void Update(TCollectionItem* item);

private:
    friend class TCollectionItem;
    void Changed(TCollectionItem* item);

    TCollectionItemFactory FFactory;
    TPersistent* FOwner;
    std::vector<std::unique_ptr<TCollectionItem>> FItems;
    int FNextID = 0;
    int FUpdateCount = 0;
};
