#include "component/TStrings.h"

#include <stdexcept>

#include "component/PropertyHelpers.h"

const TClassInfo* TStrings::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TStrings>(
        "TStrings", nullptr, {StringsProp("Strings", &TStrings::SetStrings)});
    return &info;
}

const TClassInfo* TStrings::ClassInfo() const {
    return StaticClassInfo();
}

const std::string& TStrings::Strings(int i) const {
    if (i < 0 || i >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return FItems[static_cast<size_t>(i)];
}

void TStrings::Put(int i, const std::string& s) {
    Strings(i);
    FItems[static_cast<size_t>(i)] = s;
    Changed();
}

int TStrings::Add(const std::string& s) {
    FItems.push_back(s);
    Changed();
    return Count() - 1;
}

void TStrings::Insert(int i, const std::string& s) {
    if (i < 0 || i > Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    FItems.insert(FItems.begin() + i, s);
    Changed();
}

void TStrings::Delete(int i) {
    Strings(i);
    FItems.erase(FItems.begin() + i);
    Changed();
}

void TStrings::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    Changed();
}

int TStrings::IndexOf(const std::string& s) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<size_t>(i)] == s) return i;
    return -1;
}

void TStrings::SetStrings(const std::vector<std::string>& lines) {
    FItems = lines;
    Changed();
}

std::string TStrings::Text() const {
    std::string out;
    for (const std::string& s : FItems)
        out += s + "\n";
    return out;
}

void TStrings::EndUpdate() {
    if (FUpdating > 0 && --FUpdating == 0 && FChangedWhileUpdating) {
        FChangedWhileUpdating = false;
        Changed();
    }
}

void TStrings::Changed() {
    if (FUpdating > 0) {
        FChangedWhileUpdating = true;
        return;
    }
    if (OnChange) OnChange(this);
}
