#pragma once
// The panels of a status bar, in order from the left.

#include <memory>
#include <vector>

#include "stdctrls/TStatusPanel.h"

class TStatusBar;

class TStatusPanels : public TPersistent {
public:
    explicit TStatusPanels(TStatusBar* bar) : FBar(bar) {}

    int Count() const { return static_cast<int>(FItems.size()); }
    // Index outside 0..Count-1 throws std::out_of_range.
    TStatusPanel* Items(int i) const;
    TStatusPanel* Add();
    void Delete(int i);
    void Clear();

    // A panel changed: the bar repaints.
    void Changed();

private:
    TStatusBar* FBar;
    std::vector<std::unique_ptr<TStatusPanel>> FItems;
};
