#pragma once
// PNG files for screenshots and golden-image tests, and PNG pictures in memory.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/TPixels.h"
#include "platform/TRegion.h"

// How hard the writer packs: the smallest file, or a quick write at the cost of
// a somewhat larger one (screenshots, where the compression was most of the
// run's time).
enum class TPngPacking { ppSmall, ppFast };

// Writes the picture as PNG. With a shape, pixels outside it are written fully
// transparent (RGBA); without one the file is plain RGB. Throws
// std::runtime_error naming the path when the file cannot be written.
void WritePng(const std::string& path, const TPixels& picture, const TRegion* shape = nullptr,
              TPngPacking packing = TPngPacking::ppSmall);
// The same with a soft edge: one opacity byte per pixel, row by row (255 opaque).
void WritePngWithAlpha(const std::string& path, const TPixels& picture,
                       const std::vector<uint8_t>& alpha);

// Reads any PNG into 24-bit pixels. When shape is given it receives the pixels
// whose alpha is at least half (the whole picture for a file without alpha);
// colours of transparent pixels are kept as stored. Throws std::runtime_error
// naming the path and the reason for a missing, truncated or malformed file.
TPixels ReadPng(const std::string& path, TRegion* shape = nullptr);

// Decodes a PNG held in memory; alpha receives one byte per pixel, row after
// row (255 throughout for a file without alpha). A picture of more than
// maxPixels pixels is refused before any row is decoded. Throws
// std::runtime_error with the reason for a malformed or truncated file.
TPixels DecodePng(const uint8_t* data, size_t size, std::vector<uint8_t>& alpha, int64_t maxPixels);
