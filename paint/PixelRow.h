#pragma once
// Small row helpers shared by the paint operations. Rows are blue, green, red.

#include <cstdint>
#include <cstring>

#include "paint/Gradient.h"

// Writes Count pixels of one colour from P on.
inline void FillRow(uint8_t* p, int count, TsBGR c) {
    if (count <= 0) return;
    // Sixteen pixels make a whole number of bytes and words; copy in those chunks.
    uint8_t chunk[48];
    const int first = count < 16 ? count : 16;
    for (int i = 0; i < first; ++i) {
        chunk[i * 3] = c.B;
        chunk[i * 3 + 1] = c.G;
        chunk[i * 3 + 2] = c.R;
    }
    int done = 0;
    while (count - done >= 16) {
        std::memcpy(p + done * 3, chunk, 48);
        done += 16;
    }
    std::memcpy(p + done * 3, chunk, static_cast<size_t>(count - done) * 3);
}

inline bool SameBGR(const uint8_t* p, TsBGR c) {
    return p[0] == c.B && p[1] == c.G && p[2] == c.R;
}
