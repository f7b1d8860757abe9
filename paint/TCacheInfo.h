#pragma once
// A parent's picture as a child sees it: the parent's cache bitmap and where
// the child's (0, 0) lies inside it. Read the bitmap only when Ready is set.

class TBitmap;

struct TCacheInfo {
    TBitmap* Bitmap = nullptr;
    int X = 0;
    int Y = 0;
    bool Ready = false;
};
