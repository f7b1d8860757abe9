#pragma once
// A set of pixels made of banded rectangles, used for invalidation, clipping
// and window shapes. Copyable value type.

#include <vector>

#include <pixman.h>

#include "platform/Types.h"

class TRegion {
public:
    TRegion();
    explicit TRegion(const TRect& r);
    TRegion(const TRegion& o);
    TRegion(TRegion&& o) noexcept;
    TRegion& operator=(const TRegion& o);
    TRegion& operator=(TRegion&& o) noexcept;
    ~TRegion();

    bool IsEmpty() const;
    TRect BoundingBox() const;
    bool Contains(TPoint p) const;
    bool Intersects(const TRect& r) const;
    std::vector<TRect> Rects() const;

    void Clear();
    void Union(const TRect& r);
    void Union(const TRegion& o);
    void Intersect(const TRect& r);
    void Intersect(const TRegion& o);
    void Subtract(const TRect& r);
    void Subtract(const TRegion& o);
    void Offset(int dx, int dy);

    friend bool operator==(const TRegion& a, const TRegion& b);

    pixman_region32_t* Native() { return &FRegion; }
    const pixman_region32_t* Native() const { return &FRegion; }

private:
    pixman_region32_t FRegion;
};
