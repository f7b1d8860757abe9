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

// A bitmap's Data value decoded ahead with the start-up work (TStartupWork),
// while no component exists yet: Data and Size say which value of the parsed
// definition it came from, so that reading that value takes the picture.
// Values with the same bytes (a stored skin may hold one bitmap twice) share
// one picture, and so do the stored bitmaps read from them: the first change
// to one copies it (TsStoredBitmap::Bitmap).
struct TPredecodedBitmap {
    const uint8_t* Data = nullptr;
    size_t Size = 0;
    std::shared_ptr<TBitmap> Picture;
};
// Decodes a Data value that holds a BMP file and adds it to decoded, sharing
// the picture of an earlier value with the same bytes; false when it holds no
// BMP file (the reader then meets it and reports what is wrong). Touches no
// shared state.
bool PredecodeBitmap(const std::vector<uint8_t>& data, std::vector<TPredecodedBitmap>& decoded);
// Hands decoded values to the reader on the main thread; an empty list
// withdraws those not taken.
void OfferPredecodedBitmaps(std::vector<TPredecodedBitmap> bitmaps);

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
