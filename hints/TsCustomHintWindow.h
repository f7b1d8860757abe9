#pragma once
// The base of the shaped hint windows. It measures the text with the active
// hint manager's look, places the window against the anchor and the desktop
// (which gives the corner code the tail points from), captures what lies
// below, and paints shadow, shape, body, bevel and text into the manager's
// picture, which is what the window shows. Where the screen cannot be read,
// the window is cut to its shape instead. Without an active manager (the
// "none" style) it shows nothing.
//
// Each style overrides the four steps: the size around the text, the shape
// mask, the body and the shadow.

#include <string>

#include "framework/forms/THintWindow.h"
#include "framework/graphics/TBitmap.h"
#include "hints/HintShapes.h"
#include "hints/TsHintLook.h"
#include "paint/Gradient.h"

class TsHintManager;

class TsCustomHintWindow : public THintWindow {
public:
    explicit TsCustomHintWindow(TComponent* owner);

    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    TRect CalcHintRect(int maxWidth, const std::string& hint, void* data) override;
    void ActivateHint(const TRect& rect, const std::string& hint) override;

    const TsHintGeometry& Geometry() const { return FGeometry; }
    // Whether the last hint could read the screen below it.
    bool SawBelow() const { return FSawBelow; }
    // The shape mask of the last hint (white where what lies below shows).
    const TBitmap& Mask() const { return FMask; }

protected:
    // The window's size for a text of the given size; a style may grow it
    // and say how much room its tail and its round outline took.
    virtual TSize HintSize(TSize text, const TsHintLook& look);
    // One ring of the shape, in the window's coordinates.
    virtual void PaintShape(TBitmap* mask, const TsShapeRing& ring) const = 0;
    // The opaque body, before its transparency.
    virtual void PaintBody(TBitmap* body, TsHintManager& manager);
    // The shadow on the captured screen.
    virtual void PaintShadow(TBitmap* picture, const TsHintLook& look);

    void Paint() override;
    // The text's size with the manager's font, wrapped at MaxWidth.
    TSize MeasureText(TsHintManager& manager, const std::string& hint);
    // Ellipse and balloon: at least 50 wide, ExOffset for the tail, and the
    // growth that puts the text's rectangle inside an ellipse.
    TSize GrowRound(TSize size, const TsHintLook& look);

    TsHintGeometry FGeometry;

private:
    void ReadBelow(const TRect& screenRect);
    void PaintPicture(TsHintManager& manager);
    void PaintText(TBitmap* picture, TsHintManager& manager);
    TsGradArray Gradient(TsHintManager& manager) const;

    TBitmap FBelow{0, 0, GraphicsScale()};
    TBitmap FMask{0, 0, GraphicsScale()};
    bool FSawBelow = false;
};
