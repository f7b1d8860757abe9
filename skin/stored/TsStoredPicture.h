#pragma once
// Pictures inside form definitions. Both stream as the binary property Data:
// a 32-bit little-endian byte count, then that many bytes of the picture file.
// A bitmap is decoded when it is read; a JPEG picture is kept as its bytes.

#include <cstdint>
#include <vector>

#include "framework/component/TPersistent.h"
#include "framework/graphics/TBitmap.h"

class TReadContext;

// The file bytes of a Data value; raises through ctx when the count does not
// match what follows it.
std::vector<uint8_t> UnpackPictureData(const std::vector<uint8_t>& data, TReadContext& ctx);
std::vector<uint8_t> PackPictureData(const std::vector<uint8_t>& file);

class TsStoredBitmap : public TPersistent {
public:
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    TBitmap Bitmap;

    // Decodes a BMP file; an empty file leaves an empty bitmap.
    void LoadFromFileBytes(const std::vector<uint8_t>& file);
    void Assign(const TsStoredBitmap& src) { Bitmap.Assign(src.Bitmap); }
};

class TsStoredJpeg : public TPersistent {
public:
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    std::vector<uint8_t> Bytes; // the JPEG file

    void Assign(const TsStoredJpeg& src) { Bytes = src.Bytes; }
};
