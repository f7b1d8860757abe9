#pragma once
// An owned, ordered list of collection items of one class, in the shape the
// form reader fills (Clear, then Add per item).

#include <memory>
#include <vector>

#include "framework/component/TPersistent.h"

template <class TItem> class TsCollection : public TPersistent {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TItem* Items(int i) const { return FItems[i].get(); }
    TItem* Add() {
        FItems.push_back(std::make_unique<TItem>());
        return FItems.back().get();
    }
    void Clear() { FItems.clear(); }
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<std::unique_ptr<TItem>> FItems;
};
