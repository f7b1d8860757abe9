#include "browser/PictureDecode.h"

#include <cstring>
#include <exception>

#include "browser/GifDecode.h"
#include "platform/BmpDecoder.h"
#include "platform/JpegDecoder.h"
#include "platform/PngFile.h"

namespace {

bool StartsWith(std::string_view bytes, const char* magic) {
    return bytes.size() >= std::strlen(magic) && bytes.substr(0, std::strlen(magic)) == magic;
}

std::shared_ptr<TPicture> Opaque(TPixels pixels) {
    auto picture = std::make_shared<TPicture>();
    picture->Pixels = std::move(pixels);
    picture->Alpha.assign(static_cast<size_t>(picture->Width()) * picture->Height(), 255);
    return picture;
}

std::shared_ptr<TPicture> Decode(std::string_view bytes) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    if (StartsWith(bytes, "\x89PNG")) {
        auto picture = std::make_shared<TPicture>();
        picture->Pixels = DecodePng(data, bytes.size(), picture->Alpha, kMaxPicturePixels);
        return picture;
    }
    if (StartsWith(bytes, "\xFF\xD8"))
        return Opaque(DecodeJpeg(data, bytes.size(), TJpegLimits{.MaxPixels = kMaxPicturePixels}));
    if (StartsWith(bytes, "GIF8"))
        return std::make_shared<TPicture>(DecodeGif(data, bytes.size(), kMaxPicturePixels));
    if (StartsWith(bytes, "BM")) {
        TPixels pixels = DecodeBmp(data, bytes.size());
        if (static_cast<int64_t>(pixels.Width()) * pixels.Height() > kMaxPicturePixels)
            throw EInvalidGraphic("picture size out of range");
        return Opaque(std::move(pixels));
    }
    throw EInvalidGraphic("not a picture");
}

} // namespace

std::shared_ptr<TPicture> DecodePicture(std::string_view bytes, std::string& error) {
    try {
        return Decode(bytes);
    } catch (const std::exception& e) {
        error = e.what();
        return nullptr;
    }
}
