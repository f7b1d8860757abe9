#pragma once
// Pictures inside form definitions. Both stream as the binary property Data:
// a 32-bit little-endian byte count, then that many bytes of the picture file.
// A bitmap is decoded when it is read; a JPEG picture is kept as its bytes.
// A decoded bitmap is shared with the skin loaded from it, not copied.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "framework/component/TPersistent.h"
#include "framework/graphics/TBitmap.h"

class TReadContext;

// The file bytes of a Data value, a view into data; raises through ctx when the
// count does not match what follows it.
std::span<const uint8_t> UnpackPictureData(const std::vector<uint8_t>& data, TReadContext& ctx);
std::vector<uint8_t> PackPictureData(const std::vector<uint8_t>& file);

class TsStoredBitmap : public TPersistent {
public:
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    // The picture to change; while a loaded skin shares it, it is copied first,
    // so that the skin on screen never changes under the painters.
    TBitmap& Bitmap();
    const TBitmap& Bitmap() const { return *FBitmap; }
    // The picture itself, for a loaded skin to paint with instead of a copy.
    std::shared_ptr<TBitmap> Shared() const { return FBitmap; }

    // Decodes a BMP file; an empty file leaves an empty bitmap.
    void LoadFromFileBytes(std::span<const uint8_t> file);
    void Assign(const TsStoredBitmap& src);

private:
    std::shared_ptr<TBitmap> FBitmap = std::make_shared<TBitmap>();
};

class TsStoredJpeg : public TPersistent {
public:
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    std::vector<uint8_t> Bytes; // the JPEG file

    void Assign(const TsStoredJpeg& src) { Bytes = src.Bytes; }
};
