#include "browser/JpegDecode.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

// libjpeg reports errors by calling error_exit, which must not return. It
// jumps back to the decoding function; nothing with a destructor lives
// between the setjmp and the library's calls, so the jump skips no cleanup.

namespace {

struct TJpegError {
    jpeg_error_mgr Manager;
    jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* error = reinterpret_cast<TJpegError*>(info->err);
    (*info->err->format_message)(info, error->Message);
    std::longjmp(error->Jump, 1);
}

void OnMessage(j_common_ptr, int) {
    // Warnings of a damaged but readable file are not worth telling anyone.
}

// One row from libjpeg's output (grey, RGB or inverted CMYK) into BGR.
void StoreRow(const uint8_t* src, int components, int width, uint8_t* dst) {
    for (int x = 0; x < width; ++x, dst += 3, src += components) {
        if (components == 1) {
            dst[0] = dst[1] = dst[2] = src[0];
        } else if (components == 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        } else {
            // Adobe writes CMYK inverted: each value is already 255 - ink.
            const int k = src[3];
            dst[0] = static_cast<uint8_t>(src[2] * k / 255);
            dst[1] = static_cast<uint8_t>(src[1] * k / 255);
            dst[2] = static_cast<uint8_t>(src[0] * k / 255);
        }
    }
}

// Returns false with the reason in error.message; pixels holds the picture.
bool Decode(const uint8_t* data, size_t size, int64_t maxPixels, TPixels& pixels, TJpegError& error,
            std::vector<uint8_t>& row) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = OnError;
    error.Manager.emit_message = OnMessage;
    if (setjmp(error.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        info.out_color_space = JCS_CMYK;
    else if (info.num_components != 1)
        info.out_color_space = JCS_RGB;
    if (static_cast<int64_t>(info.image_width) * info.image_height > maxPixels) {
        std::strcpy(error.Message, "picture size out of range");
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int components = info.output_components;
    pixels.SetSize(width, static_cast<int>(info.output_height));
    row.resize(static_cast<size_t>(width) * components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const int y = static_cast<int>(info.output_scanline);
        jpeg_read_scanlines(&info, rows, 1);
        StoreRow(row.data(), components, width, pixels.ScanLine(y));
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

TPixels DecodeJpeg(const uint8_t* data, size_t size, int64_t maxPixels) {
    TPixels pixels;
    TJpegError error{};
    std::vector<uint8_t> row;
    if (!Decode(data, size, maxPixels, pixels, error, row))
        throw std::runtime_error(std::string("Cannot decode JPEG: ") + error.Message);
    return pixels;
}
