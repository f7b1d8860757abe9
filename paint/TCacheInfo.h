#pragma once
// A parent's picture as a child sees it: the parent's cache bitmap and where
// the child's (0, 0) lies inside it. Read the bitmap only when Ready is set.
// Version changes whenever the picture is drawn again, so that a child can
// tell whether what lies under it changed since it last looked.

#include <cstdint>

class TBitmap;

struct TCacheInfo {
    TBitmap* Bitmap = nullptr;
    int X = 0;
    int Y = 0;
    bool Ready = false;
    uint64_t Version = 0;
};
