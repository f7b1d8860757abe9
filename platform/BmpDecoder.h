#pragma once
// Windows BMP files in memory: decoding into the program's 24-bit pixels, and
// writing them back as 24-bit or palette files (skins store 8-bit pictures).
//
// Decoded: 1, 4 and 8 bits with a palette, 16 bits (5-5-5, or any masks given
// as bit fields, such as 5-6-5), 24 bits, 32 bits (plain or bit fields), rows
// stored bottom-up or top-down, with the core, info and V4/V5 headers.
// Compressed files (run-length, embedded JPEG or PNG) are rejected.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/TPixels.h"

// Raised for a file that is not a BMP the decoder reads; nothing is read
// outside the bytes given.
class EInvalidGraphic : public std::runtime_error {
public:
    explicit EInvalidGraphic(const std::string& message) : std::runtime_error(message) {}
};

TPixels DecodeBmp(const uint8_t* data, size_t size);
inline TPixels DecodeBmp(const std::vector<uint8_t>& bytes) {
    return DecodeBmp(bytes.data(), bytes.size());
}

std::vector<uint8_t> EncodeBmp24(const TPixels& pixels);
// One byte per pixel with a palette of the picture's colours in order of first
// appearance, padded to 256 entries. More than 256 colours raise EInvalidGraphic.
std::vector<uint8_t> EncodeBmp8(const TPixels& pixels);
