#pragma once
// Pictures the browser tests make themselves, in each format the pane reads:
// a drawn picture, and its bytes as PNG, JPEG, GIF and BMP.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <gif_lib.h>
#include <jpeglib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/BmpDecoder.h"
#include "platform/PngFile.h"
#include "platform/TPixels.h"
#include "platform/services/ReadWholeFile.h"
#include "tests/TempFolder.h"

// Bands of colour with a diagonal stripe: easy to tell apart when scaled or cut.
inline TPixels BandPicture(int w, int h, uint32_t a, uint32_t b) {
    TPixels p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.SetPixel(x, y, ((x + y) / 4) % 3 == 0 ? b : a);
    return p;
}

inline std::string PngBytes(const TPixels& p, const std::string& scratch) {
    const std::string path = scratch + "/picture.png";
    WritePng(path, p);
    return *ReadWholeFile(path);
}

inline std::string JpegBytes(const TPixels& p) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(p.Width());
    info.image_height = static_cast<JDIMENSION>(p.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(p.Width()) * 3);
    while (info.next_scanline < info.image_height) {
        const uint8_t* src = p.ScanLine(static_cast<int>(info.next_scanline));
        for (int x = 0; x < p.Width(); ++x) {
            row[x * 3] = src[x * 3 + 2];
            row[x * 3 + 1] = src[x * 3 + 1];
            row[x * 3 + 2] = src[x * 3];
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(out), size);
    std::free(out);
    return bytes;
}

// Colours as they come, at most 256; the colour transparent (if any) gets
// the GIF's transparent index.
inline std::string GifBytes(const TPixels& p, int64_t transparent = -1) {
    std::vector<uint32_t> colors;
    std::vector<GifByteType> indexes;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const uint32_t c = p.Pixel(x, y);
            size_t i = 0;
            while (i < colors.size() && colors[i] != c)
                ++i;
            if (i == colors.size() && colors.size() < 256) colors.push_back(c);
            indexes.push_back(static_cast<GifByteType>(std::min<size_t>(i, 255)));
        }
    ColorMapObject* map = GifMakeMapObject(256, nullptr);
    for (size_t i = 0; i < colors.size(); ++i)
        map->Colors[i] = {static_cast<GifByteType>(colors[i] & 0xFF),
                          static_cast<GifByteType>((colors[i] >> 8) & 0xFF),
                          static_cast<GifByteType>((colors[i] >> 16) & 0xFF)};
    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(
        &bytes,
        [](GifFileType* g, const GifByteType* data, int n) {
            static_cast<std::string*>(g->UserData)->append(reinterpret_cast<const char*>(data), n);
            return n;
        },
        &error);
    EGifPutScreenDesc(gif, p.Width(), p.Height(), 8, 0, map);
    if (transparent >= 0) {
        size_t t = 0;
        while (t < colors.size() && colors[t] != static_cast<uint32_t>(transparent))
            ++t;
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = static_cast<int>(t);
        GifByteType ext[4];
        const size_t n = EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), ext);
    }
    EGifPutImageDesc(gif, 0, 0, p.Width(), p.Height(), false, nullptr);
    for (int y = 0; y < p.Height(); ++y)
        EGifPutLine(gif, indexes.data() + static_cast<size_t>(y) * p.Width(), p.Width());
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

inline std::string BmpBytes(const TPixels& p) {
    const std::vector<uint8_t> b = EncodeBmp24(p);
    return std::string(b.begin(), b.end());
}
