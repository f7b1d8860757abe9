#pragma once
// The plain combo box. The drop-down list style works fully: the text is the
// chosen item (empty while ItemIndex is -1), nothing can be typed, and the
// list drops down in its own popup window on a click, Alt+Down or F4. In the
// open list the mouse or the arrows pick an item, a click or Enter chooses it,
// Escape or a click elsewhere closes it unchanged. On the closed box the
// arrows, Home, End and the page keys move the selection directly. A change
// made by the user runs OnChange; setting ItemIndex in code does not.

#include <memory>
#include <optional>

#include "component/TStrings.h"
#include "window/TCustomControl.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBoxList;

class TComboBox : public TCustomControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TStrings* Items() const { return FItems.get(); }
    int ItemIndex() const { return FItemIndex; }
    // -1 clears the choice; values out of range count as -1.
    void SetItemIndex(int i);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle s);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int h);
    // Rows the open list shows at most.
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int n) { FDropDownCount = n < 1 ? 1 : n; }

    bool DroppedDown() const { return FDroppedDown; }
    void SetDroppedDown(bool v);
    // Closes the list; with choose, the highlighted item becomes the choice.
    void CloseUp(bool choose);
    // The item highlighted in the open list (-1 when none).
    int ListIndex() const { return FListIndex; }
    // The popup window of the list (made the first time it drops down).
    TComboBoxList* ListWindow() const { return FList.get(); }

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    void WndProc(TMessage& m) override;
    void Loaded() override;

protected:
    void Paint() override;
    void KeyDown(int& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void Change();

private:
    friend class TComboBoxList;
    void DropDown();
    // A choice by the user: changes the index and reports it.
    void Select(int index);
    void SetListIndex(int index);
    void SyncText();
    void ListKey(int& key, TShiftState shift);
    int PageStep() const { return std::max(1, FDropDownCount - 1); }

    std::unique_ptr<TStrings> FItems;
    std::unique_ptr<TComboBoxList> FList;
    int FItemIndex = -1;
    std::optional<int> FLoadedItemIndex; // set while loading: items may come later
    TComboBoxStyle FStyle = csDropDown;
    int FItemHeight = 13;
    int FDropDownCount = 8;
    bool FDroppedDown = false;
    int FListIndex = -1;
    bool FSyncing = false;
    bool FWasDropped = false;
};
