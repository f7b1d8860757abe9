#include "platform/PngFile.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

// libpng's simplified interface reports errors through return codes, which
// keeps longjmp away from C++ objects.

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, const char* reason) {
    throw std::runtime_error(what + " \"" + path +
                             "\": " + (reason && *reason ? reason : "unknown error"));
}

// Largest picture a file may ask for; guards memory against a forged header.
constexpr int64_t kMaxPixels = int64_t{1} << 26;

} // namespace

namespace {

// Red-green-blue rows, with an opacity byte after each pixel when alpha is given.
std::vector<uint8_t> PngRows(const TPixels& picture, const uint8_t* alpha) {
    const int w = picture.Width(), h = picture.Height();
    const int channels = alpha ? 4 : 3;
    std::vector<uint8_t> rows(static_cast<size_t>(w) * h * channels);
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = picture.ScanLine(y);
        uint8_t* dst = rows.data() + static_cast<size_t>(y) * w * channels;
        for (int x = 0; x < w; ++x, src += 3, dst += channels) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
            if (alpha) dst[3] = alpha[static_cast<size_t>(y) * w + x];
        }
    }
    return rows;
}

void WriteRows(const std::string& path, int w, int h, bool withAlpha,
               const std::vector<uint8_t>& rows, TPngPacking packing = TPngPacking::ppSmall) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = withAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    if (packing == TPngPacking::ppFast) image.flags = PNG_IMAGE_FLAG_FAST;
    const int ok = png_image_write_to_file(&image, path.c_str(), 0, rows.data(), 0, nullptr);
    const std::string message = image.message;
    png_image_free(&image);
    if (!ok) Fail("Cannot write PNG", path, message.c_str());
}

} // namespace

void WritePng(const std::string& path, const TPixels& picture, const TRegion* shape,
              TPngPacking packing) {
    const int w = picture.Width(), h = picture.Height();
    if (w <= 0 || h <= 0) Fail("Cannot write PNG", path, "the picture is empty");
    std::vector<uint8_t> alpha;
    if (shape) {
        alpha.assign(static_cast<size_t>(w) * h, 0);
        TRegion inside(*shape);
        inside.Intersect(TRect{0, 0, w, h});
        for (const TRect& r : inside.Rects())
            for (int y = r.Top; y < r.Bottom; ++y)
                for (int x = r.Left; x < r.Right; ++x)
                    alpha[static_cast<size_t>(y) * w + x] = 255;
    }
    WriteRows(path, w, h, shape != nullptr, PngRows(picture, shape ? alpha.data() : nullptr),
              packing);
}

void WritePngWithAlpha(const std::string& path, const TPixels& picture,
                       const std::vector<uint8_t>& alpha) {
    const int w = picture.Width(), h = picture.Height();
    if (w <= 0 || h <= 0) Fail("Cannot write PNG", path, "the picture is empty");
    if (alpha.size() != static_cast<size_t>(w) * h)
        Fail("Cannot write PNG", path, "the opacity does not match the picture's size");
    WriteRows(path, w, h, true, PngRows(picture, alpha.data()));
}

TPixels ReadPng(const std::string& path, TRegion* shape) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        const std::string message = image.message;
        png_image_free(&image);
        Fail("Cannot read PNG", path, message.c_str());
    }
    const int w = static_cast<int>(image.width), h = static_cast<int>(image.height);
    if (image.width == 0 || image.height == 0 || image.width > 1u << 20 ||
        image.height > 1u << 20 || static_cast<int64_t>(w) * h > kMaxPixels) {
        png_image_free(&image);
        Fail("Cannot read PNG", path, "picture size out of range");
    }
    const bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint8_t> data(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, data.data(), 0, nullptr)) {
        const std::string message = image.message;
        png_image_free(&image);
        Fail("Cannot read PNG", path, message.c_str());
    }
    TPixels pixels(w, h);
    if (shape) shape->Clear();
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = data.data() + static_cast<size_t>(y) * w * 4;
        uint8_t* dst = pixels.ScanLine(y);
        int runStart = -1;
        for (int x = 0; x <= w; ++x) {
            const bool opaque = x < w && (!hasAlpha || src[x * 4 + 3] >= 128);
            if (x < w) std::memcpy(dst + x * 3, src + x * 4, 3);
            if (!shape) continue;
            if (opaque && runStart < 0) runStart = x;
            if (!opaque && runStart >= 0) {
                shape->Union(TRect{runStart, y, x, y + 1});
                runStart = -1;
            }
        }
    }
    return pixels;
}

TPixels DecodePng(const uint8_t* data, size_t size, std::vector<uint8_t>& alpha,
                  int64_t maxPixels) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) {
        const std::string message = image.message;
        png_image_free(&image);
        Fail("Cannot decode PNG", "picture", message.c_str());
    }
    const int w = static_cast<int>(image.width), h = static_cast<int>(image.height);
    if (image.width == 0 || image.height == 0 || image.width > 1u << 20 ||
        image.height > 1u << 20 || static_cast<int64_t>(w) * h > std::min(maxPixels, kMaxPixels)) {
        png_image_free(&image);
        Fail("Cannot decode PNG", "picture", "picture size out of range");
    }
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        const std::string message = image.message;
        png_image_free(&image);
        Fail("Cannot decode PNG", "picture", message.c_str());
    }
    TPixels pixels(w, h);
    alpha.assign(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = rgba.data() + static_cast<size_t>(y) * w * 4;
        uint8_t* dst = pixels.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            std::memcpy(dst + x * 3, src + x * 4, 3);
            alpha[static_cast<size_t>(y) * w + x] = src[x * 4 + 3];
        }
    }
    return pixels;
}
