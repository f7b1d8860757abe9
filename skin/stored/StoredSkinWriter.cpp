#include "skin/stored/StoredSkinWriter.h"

#include <sstream>

#include "platform/BmpDecoder.h"
#include "skin/stored/TsStoredSkin.h"

namespace {

std::string Quote(const std::string& s) {
    std::string out;
    bool open = false;
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20) {
            if (open) out += '\'';
            open = false;
            out += '#';
            out += std::to_string(u);
            continue;
        }
        if (!open) out += '\'';
        open = true;
        out += c == '\'' ? std::string("''") : std::string(1, c);
    }
    if (open) out += '\'';
    return out.empty() ? "''" : out;
}

class TWriter {
public:
    TWriter(std::ostringstream& out, std::string indent) : FOut(out), FIndent(std::move(indent)) {}
    void Line(const std::string& text) {
        FOut << FIndent << std::string(FDepth * 2, ' ') << text << '\n';
    }
    void Str(const char* name, const std::string& v) { Line(std::string(name) + " = " + Quote(v)); }
    void Int(const char* name, int64_t v) { Line(std::string(name) + " = " + std::to_string(v)); }
    void Bool(const char* name, bool v) { Line(std::string(name) + (v ? " = True" : " = False")); }
    void Ident(const char* name, const char* v) { Line(std::string(name) + " = " + v); }
    void Binary(const char* name, const std::vector<uint8_t>& file) {
        static const char hex[] = "0123456789ABCDEF";
        const std::vector<uint8_t> data = PackPictureData(file);
        Line(std::string(name) + " = {");
        ++FDepth;
        for (size_t i = 0; i < data.size(); i += 32) {
            std::string row;
            for (size_t k = i; k < std::min(data.size(), i + 32); ++k)
                row += hex[data[k] >> 4], row += hex[data[k] & 15];
            Line(row + (i + 32 >= data.size() ? "}" : ""));
        }
        --FDepth;
    }
    void Open(const char* name) {
        Line(std::string(name) + " = <");
        ++FDepth;
    }
    void Close() {
        --FDepth;
        Line(">");
    }
    void Item() {
        Line("item");
        ++FDepth;
    }
    void EndItem() {
        --FDepth;
        Line("end");
    }

private:
    std::ostringstream& FOut;
    std::string FIndent;
    int FDepth = 0;
};

std::vector<uint8_t> BitmapFile(const TBitmap& b) {
    return b.Empty() ? std::vector<uint8_t>{} : EncodeBmp24(b.Pixels());
}

// Each field as its stored type says: strings quoted, numbers, True or False,
// and bevels by name.
void WriteValue(TWriter& w, const char* name, const std::string& v) {
    w.Str(name, v);
}
void WriteValue(TWriter& w, const char* name, int32_t v) {
    w.Int(name, v);
}
void WriteValue(TWriter& w, const char* name, bool v) {
    w.Bool(name, v);
}
void WriteValue(TWriter& w, const char* name, TsControlBevel v) {
    w.Ident(name, ControlBevelNames[ToControlBevel(v)]);
}

template <class F> bool LeftOut(const TsSkinGeneral&, const F&) {
    return false;
}
bool LeftOut(const TsSkinGeneral& g, const SectionField::TPlain<SectionField::OptionalText>& f) {
    return (g.*f.Stored).empty();
}

void WriteGeneral(TWriter& w, const TsSkinGeneral& g) {
    ForEachSectionField([&](const auto& f) {
        if (!LeftOut(g, f)) WriteValue(w, f.Name, g.*f.Stored);
    });
}

void WriteImage(TWriter& w, const TsSkinImage& i, const std::vector<uint8_t>& file) {
    w.Str("SectionName", i.SectionName);
    if (!file.empty()) w.Binary("Image.Data", file);
    w.Str("Name", i.Name);
    w.Str("PropertyName", i.PropertyName);
    w.Int("Left", i.Left);
    w.Int("Top", i.Top);
    w.Int("Right", i.Right);
    w.Int("Bottom", i.Bottom);
    w.Int("ImageCount", i.ImageCount);
    w.Int("MaskType", i.MaskType);
    w.Int("BorderWidth", i.BorderWidth);
}

} // namespace

std::string WriteInternalSkins(const TsStoredSkins& skins, const std::string& indent) {
    std::ostringstream out;
    TWriter w(out, indent);
    w.Open("InternalSkins");
    for (const auto& skin : skins) {
        w.Item();
        w.Str("Name", skin->Name);
        w.Open("GeneralData");
        for (const auto& g : *skin->GeneralData()) {
            w.Item();
            WriteGeneral(w, *g);
            w.EndItem();
        }
        w.Close();
        // Pictures that fit a palette are written with one, as skins keep them.
        auto file = [](const TBitmap& b) {
            if (b.Empty()) return std::vector<uint8_t>{};
            try {
                return EncodeBmp8(b.Pixels());
            } catch (const EInvalidGraphic&) {
                return BitmapFile(b);
            }
        };
        w.Open("Images");
        for (const auto& i : *skin->Images()) {
            w.Item();
            WriteImage(w, *i, file(i->Image()->Bitmap()));
            w.EndItem();
        }
        w.Close();
        w.Open("Patterns");
        for (const auto& p : *skin->Patterns()) {
            w.Item();
            w.Str("SectionName", p->SectionName);
            if (!p->Image()->Bytes.empty()) w.Binary("Image.Data", p->Image()->Bytes);
            w.Str("Name", p->Name);
            w.Str("PropertyName", p->PropertyName);
            w.EndItem();
        }
        w.Close();
        const std::vector<uint8_t> master = file(skin->MasterBitmap()->Bitmap());
        if (!master.empty()) w.Binary("MasterBitmap.Data", master);
        w.EndItem();
    }
    w.Close();
    return out.str();
}
