#pragma once
// Pictures of pages from their bytes: PNG (the platform's decoder), JPEG,
// GIF (its first frame) and BMP (the platform's decoder), told apart by their
// first bytes, not by the address or the server's word.

#include <memory>
#include <string>
#include <string_view>

#include "browser/TPicture.h"

// Largest picture decoded, in pixels; a forged header cannot ask for more memory.
constexpr int64_t kMaxPicturePixels = int64_t{4096} * 4096;

// The picture, or null with the reason in error.
std::shared_ptr<TPicture> DecodePicture(std::string_view bytes, std::string& error);
