#pragma once
// A font description: family name, height, style and colour. Heights follow
// the Windows convention: a negative height is the character (em) height in
// pixels, a positive one the cell height (ascent + descent). Size is in points
// at 96 pixels per inch. Rendering lives in TFontEngine.

#include <string>

#include "component/TPersistent.h"
#include "graphics/Graphics.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

constexpr int ScreenPixelsPerInch = 96;
constexpr int DEFAULT_CHARSET = 1;

class TFont : public TPersistent {
public:
    TFont() = default;
    TFont(const TFont& o) { CopyFrom(o); }
    TFont& operator=(const TFont& o) {
        Assign(o);
        return *this;
    }

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);
    int Height() const { return FHeight; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    // Kept for form definitions; text is UTF-8 whatever the charset says.
    int Charset() const { return FCharset; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch pitch);

    // Copies every attribute and reports one change (none when equal).
    void Assign(const TFont& o);
    // Same face, height and style (colour aside): draws the same glyphs.
    bool SameFace(const TFont& o) const;
    friend bool operator==(const TFont& a, const TFont& b);

    // Called after every change; the sender is the font.
    TNotifyEvent OnChange;

private:
    void CopyFrom(const TFont& o);
    void Changed();

    std::string FName = "Tahoma";
    int FHeight = -11;
    TFontStyles FStyle = 0;
    TColor FColor = clWindowText;
    int FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
};
