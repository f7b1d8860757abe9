#include "skin/folder/SkinFolderPictures.h"

#include "framework/component/SysUtils.h"
#include "platform/BmpDecoder.h"
#include "platform/JpegDecoder.h"
#include "platform/services/ReadWholeFile.h"
#include "skin/SkinIniSections.h"
#include "skin/SkinState.h"
#include "skin/folder/ESkinFolderError.h"
#include "skin/folder/SkinFolderFiles.h"

namespace {

const char* const GlobalInfo = "GLOBALINFO";
const char* const MasterBitmapKey = "MASTERBITMAP";

std::string ReadPictureFile(const std::string& path) {
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) throw ESkinFolderError("Cannot read the skin picture " + path + ".");
    return std::move(*bytes);
}

// Decodes the file's bytes with Decode, naming the file in any error.
template <class F>
TPixels DecodePicture(const std::string& path, const std::string& bytes, F&& decode) {
    try {
        return decode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    } catch (const EInvalidGraphic& e) {
        throw ESkinFolderError("Cannot read the skin picture " + path + ": " + e.what());
    }
}

TPixels ReadBmpFile(const std::string& path) {
    return DecodePicture(path, ReadPictureFile(path),
                         [](const uint8_t* d, size_t n) { return DecodeBmp(d, n); });
}

std::unique_ptr<TBitmap> ToBitmap(TPixels pixels) {
    return ScreenPicture(std::move(pixels));
}

TsMaskData NamedMask(const std::string& section, const std::string& key) {
    TsMaskData m;
    m.SectionName = UpperSkinName(section);
    m.PropertyName = UpperSkinName(key);
    return m;
}

void LoadMasterBitmap(const TsMemIniFile& ini, const std::string& folder) {
    const auto path = FindSkinFile(folder, ini.ReadString(GlobalInfo, MasterBitmapKey, ""));
    if (!path) return;
    SkinMasterBitmap = ToBitmap(ReadBmpFile(*path));
    PrepareMasterBitmap(*SkinMasterBitmap);
}

bool HasMasterBitmap() {
    return SkinMasterBitmap && !SkinMasterBitmap->Empty();
}

void AddRectangleMask(const std::string& section, const std::string& key,
                      const std::string& value) {
    TsMaskData m = NamedMask(section, key);
    try {
        ParseMaskRect(value, m);
    } catch (const EConvertError& e) {
        throw ESkinFolderError("Options.dat, section " + section + ", key " + key + ": " +
                               e.what());
    }
    SkinMasks.push_back(std::move(m));
}

void AddBitmapMask(const std::string& section, const std::string& key, const std::string& path) {
    TsMaskData m = NamedMask(section, key);
    m.Bmp = ToBitmap(ReadBmpFile(path));
    if (m.Bmp->Width() < 1) return;
    SkinMasks.push_back(std::move(m));
}

void AddJpegPicture(const std::string& section, const std::string& key, const std::string& path) {
    const std::string bytes = ReadPictureFile(path);
    TPixels pixels =
        DecodePicture(path, bytes, [](const uint8_t* d, size_t n) { return DecodeJpeg(d, n); });
    if (static_cast<long>(pixels.Width()) * pixels.Height() < SmallPatternPixels) {
        TsMaskData m = NamedMask(section, key);
        m.Bmp = ToBitmap(std::move(pixels));
        SkinMasks.push_back(std::move(m));
        return;
    }
    TsPatternData p;
    p.Img.assign(bytes.begin(), bytes.end());
    p.SectionName = UpperSkinName(section);
    p.PropertyName = UpperSkinName(key);
    p.Bmp = ToBitmap(std::move(pixels));
    SkinPatterns.push_back(std::move(p));
}

} // namespace

bool IsBitmapFileValue(const std::string& value) {
    return UpperSkinName(value).find(".BMP") != std::string::npos;
}

bool IsJpegFileValue(const std::string& value) {
    const std::string upper = UpperSkinName(value);
    return upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos;
}

void LoadFolderMasks(const TsMemIniFile& ini, const std::string& folder) {
    ClearSkinMasks();
    LoadMasterBitmap(ini, folder);
    for (const std::string& section : ini.Sections()) {
        const bool global = UpperSkinName(section) == GlobalInfo;
        for (const std::string& key : ini.SectionKeys(section)) {
            // The master bitmap is the source of the masks, not one of them.
            if (global && UpperSkinName(key) == MasterBitmapKey) continue;
            const std::string value = ini.ReadString(section, key, "");
            if (IsMaskRectValue(value)) {
                if (HasMasterBitmap()) AddRectangleMask(section, key, value);
            } else if (IsBitmapFileValue(value)) {
                if (const auto path = FindSkinFile(folder, value))
                    AddBitmapMask(section, key, *path);
            }
        }
    }
}

void LoadFolderPatterns(const TsMemIniFile& ini, const std::string& folder) {
    ClearSkinPatterns();
    for (const std::string& section : ini.Sections())
        for (const std::string& key : ini.SectionKeys(section)) {
            const std::string value = ini.ReadString(section, key, "");
            if (IsMaskRectValue(value) || !IsJpegFileValue(value)) continue;
            if (const auto path = FindSkinFile(folder, value)) AddJpegPicture(section, key, *path);
        }
}
