#include "platform/BmpDecoder.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr uint32_t BI_ALPHABITFIELDS = 6;
constexpr size_t FileHeaderSize = 14;
constexpr int MaxSide = 32768;

[[noreturn]] void Fail(const std::string& why) {
    throw EInvalidGraphic("Invalid bitmap: " + why);
}

// Bounds-checked little-endian reads.
class TReader {
public:
    TReader(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
    uint32_t U32(size_t at) const {
        Need(at, 4);
        return FData[at] | (FData[at + 1] << 8) | (FData[at + 2] << 16) |
               (static_cast<uint32_t>(FData[at + 3]) << 24);
    }
    uint16_t U16(size_t at) const {
        Need(at, 2);
        return static_cast<uint16_t>(FData[at] | (FData[at + 1] << 8));
    }
    int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
    void Need(size_t at, size_t count) const {
        if (at > FSize || count > FSize - at) Fail("the file is truncated");
    }
    const uint8_t* At(size_t at) const { return FData + at; }

private:
    const uint8_t* FData;
    size_t FSize;
};

// One channel of a bit-field mask: where it sits and how to scale it to 8 bits.
struct TChannel {
    uint32_t Mask = 0;
    int Shift = 0;
    uint32_t Max = 0;

    explicit TChannel(uint32_t mask = 0) : Mask(mask) {
        if (!mask) return;
        while (!((mask >> Shift) & 1))
            ++Shift;
        Max = mask >> Shift;
        if ((Max & (Max + 1)) != 0) Fail("a colour mask is not contiguous");
    }
    uint8_t Get(uint32_t v) const {
        if (!Mask) return 0;
        const uint64_t part = (v & Mask) >> Shift;
        return static_cast<uint8_t>((part * 255 + Max / 2) / Max);
    }
};

struct THeader {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int Bits = 0;
    uint32_t Compression = BI_RGB;
    uint32_t Masks[3] = {0, 0, 0}; // red, green, blue
    size_t PaletteAt = 0;
    size_t PaletteEntry = 4; // 3 in core headers
    uint32_t PaletteCount = 0;
    size_t PixelsAt = 0;
};

// The info header (core or Windows): size, bits, compression, palette length.
// Returns its size.
uint32_t ReadInfoHeader(const TReader& r, THeader& h) {
    const uint32_t infoSize = r.U32(14);
    const size_t info = FileHeaderSize;
    int64_t height = 0;
    if (infoSize == 12) {
        h.Width = r.U16(info + 4);
        height = r.U16(info + 6);
        if (r.U16(info + 8) != 1) Fail("the plane count is not 1");
        h.Bits = r.U16(info + 10);
        h.PaletteEntry = 3;
    } else if (infoSize >= 40 && infoSize <= 124) {
        r.Need(info, infoSize);
        h.Width = r.I32(info + 4);
        height = r.I32(info + 8);
        if (r.U16(info + 12) != 1) Fail("the plane count is not 1");
        h.Bits = r.U16(info + 14);
        h.Compression = r.U32(info + 16);
        h.PaletteCount = r.U32(info + 32);
    } else {
        Fail("unknown header size " + std::to_string(infoSize));
    }
    h.TopDown = height < 0;
    if (height < 0) height = -height;
    if (h.Width < 1 || height < 1 || h.Width > MaxSide || height > MaxSide)
        Fail("the size " + std::to_string(h.Width) + " x " + std::to_string(height) +
             " is out of range");
    h.Height = static_cast<int>(height);
    return infoSize;
}

// The colour masks of bit-field files; returns where the palette would start.
size_t ReadBitFields(const TReader& r, THeader& h, uint32_t infoSize) {
    const size_t info = FileHeaderSize;
    size_t after = info + infoSize;
    if (h.Compression == BI_BITFIELDS || h.Compression == BI_ALPHABITFIELDS) {
        if (h.Bits != 16 && h.Bits != 32) Fail("bit fields need 16 or 32 bits per pixel");
        // Info headers of 40 bytes keep the masks after themselves, longer ones inside.
        const size_t masksAt = infoSize == 40 ? after : info + 40;
        for (int i = 0; i < 3; ++i)
            h.Masks[i] = r.U32(masksAt + 4 * i);
        if (infoSize == 40) after += h.Compression == BI_ALPHABITFIELDS ? 16 : 12;
    } else if (h.Compression != BI_RGB) {
        Fail("compression " + std::to_string(h.Compression) + " is not supported");
    }
    return after;
}

// Checks the pixel depth and gives 16- and 32-bit files without bit fields
// their standard masks.
void CheckBits(THeader& h) {
    switch (h.Bits) {
    case 1:
    case 4:
    case 8:
        break;
    case 16:
        if (h.Compression == BI_RGB) h.Masks[0] = 0x7C00, h.Masks[1] = 0x03E0, h.Masks[2] = 0x001F;
        break;
    case 24:
        break;
    case 32:
        if (h.Compression == BI_RGB) h.Masks[0] = 0xFF0000, h.Masks[1] = 0xFF00, h.Masks[2] = 0xFF;
        break;
    default:
        Fail(std::to_string(h.Bits) + " bits per pixel are not supported");
    }
}

void ReadPalette(const TReader& r, THeader& h, size_t after) {
    if (h.Bits <= 8) {
        const uint32_t full = 1u << h.Bits;
        if (h.PaletteCount == 0 || h.PaletteCount > full) h.PaletteCount = full;
        h.PaletteAt = after;
        // Writers that keep a shorter palette say so through the pixel offset.
        if (h.PixelsAt > h.PaletteAt)
            h.PaletteCount =
                std::min<size_t>(h.PaletteCount, (h.PixelsAt - h.PaletteAt) / h.PaletteEntry);
        r.Need(h.PaletteAt, h.PaletteCount * h.PaletteEntry);
    } else {
        h.PaletteCount = 0; // a colour table beside direct colours is only a hint
    }
}

THeader ReadHeader(const TReader& r, size_t size) {
    if (size < FileHeaderSize + 12 || r.U16(0) != 0x4D42) Fail("not a BMP file");
    THeader h;
    h.PixelsAt = r.U32(10);
    const uint32_t infoSize = ReadInfoHeader(r, h);
    const size_t after = ReadBitFields(r, h, infoSize);
    CheckBits(h);
    ReadPalette(r, h, after);
    return h;
}

} // namespace

TPixels DecodeBmp(const uint8_t* data, size_t size) {
    const TReader r(data, size);
    const THeader h = ReadHeader(r, size);
    const size_t rowBytes = ((static_cast<size_t>(h.Width) * h.Bits + 31) / 32) * 4;
    if (h.PixelsAt < FileHeaderSize) Fail("the pixel offset is inside the file header");
    r.Need(h.PixelsAt, rowBytes * h.Height);

    // Indexes past the palette read as black.
    uint8_t palette[256][3] = {};
    for (uint32_t i = 0; i < h.PaletteCount; ++i)
        std::copy_n(r.At(h.PaletteAt + i * h.PaletteEntry), 3, palette[i]);
    const TChannel red(h.Masks[0]), green(h.Masks[1]), blue(h.Masks[2]);

    TPixels out(h.Width, h.Height);
    for (int y = 0; y < h.Height; ++y) {
        const uint8_t* src = r.At(h.PixelsAt + rowBytes * (h.TopDown ? y : h.Height - 1 - y));
        uint8_t* dst = out.ScanLine(y);
        switch (h.Bits) {
        case 8:
            for (int x = 0; x < h.Width; ++x) {
                const uint8_t* c = palette[src[x]];
                dst[3 * x] = c[0], dst[3 * x + 1] = c[1], dst[3 * x + 2] = c[2];
            }
            break;
        case 1:
        case 4: {
            const int perByte = 8 / h.Bits;
            const unsigned mask = (1u << h.Bits) - 1;
            for (int x = 0; x < h.Width; ++x) {
                const int shift = 8 - h.Bits * (x % perByte + 1);
                const unsigned index = (src[x / perByte] >> shift) & mask;
                std::copy_n(palette[index], 3, dst + 3 * x);
            }
            break;
        }
        case 24:
            std::copy_n(src, static_cast<size_t>(h.Width) * 3, dst);
            break;
        case 16:
        case 32:
            for (int x = 0; x < h.Width; ++x) {
                const uint8_t* s = src + (h.Bits / 8) * x;
                uint32_t v = s[0] | (s[1] << 8);
                if (h.Bits == 32) v |= (s[2] << 16) | (static_cast<uint32_t>(s[3]) << 24);
                dst[3 * x] = blue.Get(v);
                dst[3 * x + 1] = green.Get(v);
                dst[3 * x + 2] = red.Get(v);
            }
            break;
        }
    }
    return out;
}

namespace {

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    Put16(out, at, v & 0xFFFF);
    Put16(out, at + 2, v >> 16);
}

// File and info headers of a bottom-up BI_RGB picture; the pixel rows follow the palette.
std::vector<uint8_t> Headers(const TPixels& p, int bits, uint32_t paletteCount) {
    const size_t rowBytes = ((static_cast<size_t>(p.Width()) * bits + 31) / 32) * 4;
    const size_t pixelsAt = FileHeaderSize + 40 + paletteCount * 4;
    std::vector<uint8_t> out(pixelsAt + rowBytes * p.Height(), 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(out.size()));
    Put32(out, 10, static_cast<uint32_t>(pixelsAt));
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<uint32_t>(p.Width()));
    Put32(out, 22, static_cast<uint32_t>(p.Height()));
    Put16(out, 26, 1);
    Put16(out, 28, static_cast<uint32_t>(bits));
    Put32(out, 34, static_cast<uint32_t>(rowBytes * p.Height()));
    Put32(out, 46, paletteCount);
    return out;
}

} // namespace

std::vector<uint8_t> EncodeBmp24(const TPixels& p) {
    std::vector<uint8_t> out = Headers(p, 24, 0);
    const size_t rowBytes = (static_cast<size_t>(p.Width()) * 3 + 3) & ~size_t{3};
    uint8_t* pixels = out.data() + FileHeaderSize + 40;
    for (int y = 0; y < p.Height(); ++y)
        std::copy_n(p.ScanLine(p.Height() - 1 - y), p.Width() * 3, pixels + rowBytes * y);
    return out;
}

std::vector<uint8_t> EncodeBmp8(const TPixels& p) {
    std::vector<uint8_t> out = Headers(p, 8, 256);
    const size_t paletteAt = FileHeaderSize + 40;
    const size_t rowBytes = (static_cast<size_t>(p.Width()) + 3) & ~size_t{3};
    uint8_t* pixels = out.data() + paletteAt + 256 * 4;
    std::unordered_map<uint32_t, uint8_t> index;
    for (int y = 0; y < p.Height(); ++y) {
        uint8_t* row = pixels + rowBytes * (p.Height() - 1 - y);
        for (int x = 0; x < p.Width(); ++x) {
            const uint32_t c = p.Pixel(x, y);
            auto it = index.find(c);
            if (it == index.end()) {
                if (index.size() == 256)
                    throw EInvalidGraphic("More than 256 colours in an 8-bit bitmap");
                const size_t slot = index.size();
                it = index.emplace(c, static_cast<uint8_t>(slot)).first;
                out[paletteAt + slot * 4] = static_cast<uint8_t>(c >> 16);
                out[paletteAt + slot * 4 + 1] = static_cast<uint8_t>(c >> 8);
                out[paletteAt + slot * 4 + 2] = static_cast<uint8_t>(c);
            }
            row[x] = it->second;
        }
    }
    return out;
}
