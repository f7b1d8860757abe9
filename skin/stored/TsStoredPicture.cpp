#include "skin/stored/TsStoredPicture.h"

#include <algorithm>
#include <string>

#include "framework/component/PropertyHelpers.h"
#include "platform/BmpDecoder.h"

std::span<const uint8_t> UnpackPictureData(const std::vector<uint8_t>& data, TReadContext& ctx) {
    if (data.empty()) return {};
    if (data.size() < 4) ctx.Fail("Picture data is shorter than its byte count");
    const uint32_t count =
        data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<uint32_t>(data[3]) << 24);
    if (count != data.size() - 4)
        ctx.Fail("Picture data holds " + std::to_string(data.size() - 4) + " bytes but says " +
                 std::to_string(count));
    return std::span<const uint8_t>(data).subspan(4);
}

namespace {

constexpr size_t PictureCountSize = 4;

// Offered by the main thread once the start-up work is done (joined, when a
// worker did it) until the end of the main window's read; only the main
// thread uses it.
std::vector<TPredecodedBitmap> Predecoded;

std::shared_ptr<TBitmap> TakePredecoded(const std::vector<uint8_t>& data) {
    for (TPredecodedBitmap& p : Predecoded)
        if (p.Data == data.data() && p.Size == data.size() && p.Data) {
            p.Data = nullptr;
            return std::move(p.Picture);
        }
    return nullptr;
}

} // namespace

bool PredecodeBitmap(const std::vector<uint8_t>& data, std::vector<TPredecodedBitmap>& decoded) {
    if (data.size() <= PictureCountSize) return false;
    const uint32_t count =
        data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<uint32_t>(data[3]) << 24);
    if (count != data.size() - PictureCountSize) return false;
    std::shared_ptr<TBitmap> picture;
    for (const TPredecodedBitmap& p : decoded)
        if (p.Size == data.size() && std::equal(data.begin(), data.end(), p.Data)) {
            picture = p.Picture;
            break;
        }
    if (!picture) {
        picture = std::make_shared<TBitmap>();
        try {
            picture->Pixels() = DecodeBmp(data.data() + PictureCountSize, count);
        } catch (const EInvalidGraphic&) {
            return false;
        }
    }
    decoded.push_back({data.data(), data.size(), std::move(picture)});
    return true;
}

void OfferPredecodedBitmaps(std::vector<TPredecodedBitmap> bitmaps) {
    Predecoded = std::move(bitmaps);
}

std::vector<uint8_t> PackPictureData(const std::vector<uint8_t>& file) {
    std::vector<uint8_t> out(4 + file.size());
    const auto n = static_cast<uint32_t>(file.size());
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(n >> (8 * i));
    std::copy(file.begin(), file.end(), out.begin() + 4);
    return out;
}

TBitmap& TsStoredBitmap::Bitmap() {
    if (FBitmap.use_count() > 1) {
        auto own = std::make_shared<TBitmap>();
        own->Assign(*FBitmap);
        FBitmap = std::move(own);
    }
    return *FBitmap;
}

// A fresh bitmap each time, so that a loaded skin sharing the old one keeps it.
void TsStoredBitmap::LoadFromFileBytes(std::span<const uint8_t> file) {
    auto decoded = std::make_shared<TBitmap>();
    if (!file.empty()) decoded->Pixels() = DecodeBmp(file.data(), file.size());
    FBitmap = std::move(decoded);
}

void TsStoredBitmap::Assign(const TsStoredBitmap& src) {
    if (&src == this) return;
    auto copy = std::make_shared<TBitmap>();
    copy->Assign(*src.FBitmap);
    FBitmap = std::move(copy);
}

const TClassInfo* TsStoredBitmap::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsStoredBitmap>(
        "TBitmap", nullptr,
        {Prop<TsStoredBitmap>("Data", [](TsStoredBitmap& b, const TValue& v, TReadContext& ctx) {
            const std::vector<uint8_t>& data = ValueToBytes(v, ctx);
            if (std::shared_ptr<TBitmap> decoded = TakePredecoded(data)) {
                b.FBitmap = std::move(decoded);
                return;
            }
            // Decoded straight from the definition's bytes: no copy of the file is made.
            const std::span<const uint8_t> file = UnpackPictureData(data, ctx);
            try {
                b.LoadFromFileBytes(file);
            } catch (const EInvalidGraphic& e) {
                ctx.Fail(e.what());
            }
        })});
    return &info;
}

const TClassInfo* TsStoredJpeg::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TsStoredJpeg>(
        "TJPEGImage", nullptr,
        {Prop<TsStoredJpeg>("Data", [](TsStoredJpeg& j, const TValue& v, TReadContext& ctx) {
            const std::span<const uint8_t> file = UnpackPictureData(ValueToBytes(v, ctx), ctx);
            j.Bytes.assign(file.begin(), file.end());
        })});
    return &info;
}
