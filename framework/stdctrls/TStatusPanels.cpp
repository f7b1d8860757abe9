#include "stdctrls/TStatusPanels.h"

#include <stdexcept>
#include <string>

#include "stdctrls/TStatusBar.h"

TStatusPanel* TStatusPanels::Items(int i) const {
    if (i < 0 || i >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return FItems[static_cast<size_t>(i)].get();
}

TStatusPanel* TStatusPanels::Add() {
    FItems.push_back(std::make_unique<TStatusPanel>(this));
    Changed();
    return FItems.back().get();
}

void TStatusPanels::Delete(int i) {
    Items(i);
    FItems.erase(FItems.begin() + i);
    Changed();
}

void TStatusPanels::Clear() {
    FItems.clear();
    Changed();
}

void TStatusPanels::Changed() {
    if (FBar) FBar->Invalidate();
}
