#pragma once
// The look of the hints a hint manager shows: style, shape, body fill,
// bevel, shadow, margins and font, published for form definitions. The
// values live in one TsHintLook; setters keep them within sensible ranges so
// that no definition can ask the painter for a negative or huge size.
// Setting Style tells the owning manager, which picks the window class.

#include <functional>
#include <memory>
#include <string>

#include "framework/component/TPersistent.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TFont.h"
#include "hints/TsHintLook.h"

class TsHintKind : public TPersistent {
public:
    TsHintKind();
    ~TsHintKind() override;

    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    const TsHintLook& Look() const { return FLook; }

    // Published, in streaming order.
    TsHintStyle Style() const { return FLook.Style; }
    void SetStyle(TsHintStyle value);
    void SetRadius(int value);
    void SetBevelWidth(int value);
    void SetBlur(int value);
    void SetExOffset(int value);
    const std::string& GradientData() const { return FGradientData; }
    void SetGradientData(const std::string& value) { FGradientData = value; }
    // The image tiled on the body; empty for none.
    TBitmap* Texture() { return &FTexture; }
    const TBitmap* Texture() const { return &FTexture; }
    const std::string& TextureFile() const { return FTextureFile; }
    void SetTextureFile(const std::string& value) { FTextureFile = value; }
    void SetGradientPercent(int value);
    void SetTexturePercent(int value);
    void SetBevel(int value) { FLook.Bevel = value; }
    void SetColor(TColor value) { FLook.Color = value; }
    void SetColorBorderTop(TColor value) { FLook.ColorBorderTop = value; }
    void SetColorBorderBottom(TColor value) { FLook.ColorBorderBottom = value; }
    void SetTransparency(int value);
    void SetShadowBlur(int value);
    void SetShadowColor(TColor value) { FLook.Shadow.Color = value; }
    void SetShadowEnabled(bool value) { FLook.Shadow.Enabled = value; }
    void SetShadowOffset(int value);
    void SetShadowTransparency(int value);
    void SetMarginH(int value);
    void SetMarginV(int value);
    void SetMaxWidth(int value);
    TFont* Font() { return &FFont; }
    const TFont* Font() const { return &FFont; }

    // Called after Style changed; the manager re-selects its window class.
    std::function<void()> OnStyleChanged;

private:
    TsHintLook FLook;
    std::string FGradientData;
    TBitmap FTexture;
    std::string FTextureFile;
    TFont FFont;
};
