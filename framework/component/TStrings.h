#pragma once
// A list of strings (UTF-8) with a change notification. Form definitions set
// it through its "Strings" property: Items.Strings = ('a' 'b').

#include <string>
#include <vector>

#include "component/TPersistent.h"

class TStrings : public TPersistent {
public:
    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    int Count() const { return static_cast<int>(FItems.size()); }
    // Index outside 0..Count-1 throws std::out_of_range.
    const std::string& Strings(int i) const;
    const std::string& operator[](int i) const { return Strings(i); }
    void Put(int i, const std::string& s);
    int Add(const std::string& s);
    void Insert(int i, const std::string& s);
    void Delete(int i);
    void Clear();
    // Case-sensitive; -1 when absent.
    int IndexOf(const std::string& s) const;
    const std::vector<std::string>& List() const { return FItems; }
    void SetStrings(const std::vector<std::string>& lines);
    void Assign(const TStrings& other) { SetStrings(other.FItems); }
    // The lines joined, each ended by a line break.
    std::string Text() const;

    // Changes between BeginUpdate and EndUpdate report once, at the end.
    void BeginUpdate() { ++FUpdating; }
    void EndUpdate();

    TNotifyEvent OnChange;

private:
    void Changed();

    std::vector<std::string> FItems;
    int FUpdating = 0;
    bool FChangedWhileUpdating = false;
};

// The list that code creates for itself; the same storage as TStrings, which
// here is already concrete.
class TStringList : public TStrings {
public:
    using TStrings::TStrings;
};
