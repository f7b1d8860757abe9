#include "platform/TRegion.h"

#include <utility>

namespace {
pixman_region32_t* Mut(const pixman_region32_t* r) {
    return const_cast<pixman_region32_t*>(r);
}
} // namespace

TRegion::TRegion() {
    pixman_region32_init(&FRegion);
}

TRegion::TRegion(const TRect& r) {
    if (r.IsEmpty())
        pixman_region32_init(&FRegion);
    else
        pixman_region32_init_rect(&FRegion, r.Left, r.Top, r.Width(), r.Height());
}

TRegion::TRegion(const TRegion& o) {
    pixman_region32_init(&FRegion);
    pixman_region32_copy(&FRegion, Mut(&o.FRegion));
}

TRegion::TRegion(TRegion&& o) noexcept : TRegion() {
    pixman_region32_copy(&FRegion, &o.FRegion);
}

TRegion& TRegion::operator=(const TRegion& o) {
    if (this != &o) pixman_region32_copy(&FRegion, Mut(&o.FRegion));
    return *this;
}

TRegion& TRegion::operator=(TRegion&& o) noexcept {
    if (this != &o) pixman_region32_copy(&FRegion, &o.FRegion);
    return *this;
}

TRegion::~TRegion() {
    pixman_region32_fini(&FRegion);
}

bool TRegion::IsEmpty() const {
    return !pixman_region32_not_empty(Mut(&FRegion));
}

TRect TRegion::BoundingBox() const {
    if (IsEmpty()) return {};
    const pixman_box32_t* b = pixman_region32_extents(Mut(&FRegion));
    return {b->x1, b->y1, b->x2, b->y2};
}

bool TRegion::Contains(TPoint p) const {
    return pixman_region32_contains_point(Mut(&FRegion), p.X, p.Y, nullptr);
}

bool TRegion::Intersects(const TRect& r) const {
    if (r.IsEmpty()) return false;
    pixman_box32_t box{r.Left, r.Top, r.Right, r.Bottom};
    return pixman_region32_contains_rectangle(Mut(&FRegion), &box) != PIXMAN_REGION_OUT;
}

std::vector<TRect> TRegion::Rects() const {
    int n = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(Mut(&FRegion), &n);
    std::vector<TRect> out;
    out.reserve(n);
    for (int i = 0; i < n; ++i)
        out.push_back({boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
    return out;
}

void TRegion::Clear() {
    pixman_region32_clear(&FRegion);
}

void TRegion::Union(const TRect& r) {
    if (!r.IsEmpty())
        pixman_region32_union_rect(&FRegion, &FRegion, r.Left, r.Top, r.Width(), r.Height());
}

void TRegion::Union(const TRegion& o) {
    pixman_region32_union(&FRegion, &FRegion, Mut(&o.FRegion));
}

void TRegion::Intersect(const TRect& r) {
    if (r.IsEmpty()) {
        Clear();
        return;
    }
    pixman_region32_intersect_rect(&FRegion, &FRegion, r.Left, r.Top, r.Width(), r.Height());
}

void TRegion::Intersect(const TRegion& o) {
    pixman_region32_intersect(&FRegion, &FRegion, Mut(&o.FRegion));
}

void TRegion::Subtract(const TRect& r) {
    Subtract(TRegion(r));
}

void TRegion::Subtract(const TRegion& o) {
    pixman_region32_subtract(&FRegion, &FRegion, Mut(&o.FRegion));
}

void TRegion::Offset(int dx, int dy) {
    pixman_region32_translate(&FRegion, dx, dy);
}

bool operator==(const TRegion& a, const TRegion& b) {
    return pixman_region32_equal(Mut(&a.FRegion), Mut(&b.FRegion));
}
