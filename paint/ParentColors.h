#pragma once
// The two parent colour overrides. A control painted without its parent's
// picture sets them to the parent's colour for the length of its paint (use
// TParentColorGuard); 0xFF00FF means not set.
//   ParentMaskColor replaces the see-through pixels of masks.
//   ParentBackColor replaces the parent's background in the section painters.

#include "platform/Types.h"

constexpr TColor clSeeThrough = 0xFF00FF;

extern TColor ParentMaskColor;
extern TColor ParentBackColor;

inline bool IsColorSet(TColor c) {
    return c != clSeeThrough;
}

// Sets both overrides and resets both to "not set" when it goes.
class TParentColorGuard {
public:
    explicit TParentColorGuard(TColor parentColor) {
        ParentMaskColor = parentColor;
        ParentBackColor = parentColor;
    }
    ~TParentColorGuard() {
        ParentMaskColor = clSeeThrough;
        ParentBackColor = clSeeThrough;
    }
    TParentColorGuard(const TParentColorGuard&) = delete;
    TParentColorGuard& operator=(const TParentColorGuard&) = delete;
};

// The mask override alone, for painters whose background takes no override.
class TParentMaskColorGuard {
public:
    explicit TParentMaskColorGuard(TColor parentColor) { ParentMaskColor = parentColor; }
    ~TParentMaskColorGuard() { ParentMaskColor = clSeeThrough; }
    TParentMaskColorGuard(const TParentMaskColorGuard&) = delete;
    TParentMaskColorGuard& operator=(const TParentMaskColorGuard&) = delete;
};
