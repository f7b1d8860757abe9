#include "browser/GifDecode.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

struct TGifSource {
    const uint8_t* Data;
    size_t Size;
    size_t Pos;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
    auto* source = static_cast<TGifSource*>(gif->UserData);
    const size_t n = std::min(static_cast<size_t>(std::max(length, 0)), source->Size - source->Pos);
    std::memcpy(buffer, source->Data + source->Pos, n);
    source->Pos += n;
    return static_cast<int>(n);
}

struct TGifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

[[noreturn]] void Fail(int code) {
    const char* reason = GifErrorString(code);
    throw std::runtime_error(std::string("Cannot decode GIF: ") +
                             (reason ? reason : "broken file"));
}

// Draws the first frame's pixels into the picture, clipped to the screen.
void PaintFrame(const SavedImage& frame, const ColorMapObject& colors, int transparent,
                TPicture& picture) {
    const GifImageDesc& d = frame.ImageDesc;
    for (int y = 0; y < d.Height; ++y) {
        const int py = d.Top + y;
        if (py < 0 || py >= picture.Height()) continue;
        uint8_t* row = picture.Pixels.ScanLine(py);
        for (int x = 0; x < d.Width; ++x) {
            const int px = d.Left + x;
            if (px < 0 || px >= picture.Width()) continue;
            const int index = frame.RasterBits[static_cast<size_t>(y) * d.Width + x];
            if (index == transparent || index >= colors.ColorCount) continue;
            const GifColorType& c = colors.Colors[index];
            row[px * 3] = c.Blue;
            row[px * 3 + 1] = c.Green;
            row[px * 3 + 2] = c.Red;
            picture.Alpha[static_cast<size_t>(py) * picture.Width() + px] = 255;
        }
    }
}

} // namespace

TPicture DecodeGif(const uint8_t* data, size_t size, int64_t maxPixels) {
    TGifSource source{data, size, 0};
    int error = 0;
    std::unique_ptr<GifFileType, TGifCloser> gif(DGifOpen(&source, ReadFromMemory, &error));
    if (!gif) Fail(error);
    if (gif->SWidth <= 0 || gif->SHeight <= 0 ||
        static_cast<int64_t>(gif->SWidth) * gif->SHeight > maxPixels)
        throw std::runtime_error("Cannot decode GIF: picture size out of range");
    // A truncated file still has its first frame when the slurp read that far.
    if (DGifSlurp(gif.get()) != GIF_OK && gif->ImageCount < 1) Fail(gif->Error);
    if (gif->ImageCount < 1) throw std::runtime_error("Cannot decode GIF: no frame");
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* colors =
        frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    if (!colors || !frame.RasterBits)
        throw std::runtime_error("Cannot decode GIF: no colour table");
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(gif.get(), 0, &control);
    TPicture picture;
    picture.Pixels.SetSize(gif->SWidth, gif->SHeight);
    picture.Pixels.Fill(0xFFFFFF);
    picture.Alpha.assign(static_cast<size_t>(gif->SWidth) * gif->SHeight, 0);
    PaintFrame(frame, *colors, control.TransparentColor, picture);
    return picture;
}
