#pragma once
// The skinned check box: the plain check box's states and toggling with its
// look from its skin section (by default "CHECKBOX"), the box from the
// skin's global "BOXCHECKED", "BOXUNCHECKED" and "BOXGRAYED" masks or from
// user glyphs (three states side by side), and the caption in the section's
// text look. Its picture is rendered anew after any event that may change
// it (or a change under it) and kept between paints otherwise. With AutoSize it takes the size of
// glyph and caption. ReadOnly keeps the mouse and Space from changing it and its look from turning
// hot.
//
// Index: construction, properties and input in TsCheckBox.cpp; the look and
// the automatic size in TsCheckBoxLook.cpp.

#include <memory>

#include "controls/TsDisabledKind.h"
#include "controls/TsSkinnedControl.h"
#include "framework/stdctrls/TCheckBox.h"

class TBitmap;

class TsCheckBox : public TsSkinnedControl<TCheckBox> {
public:
    explicit TsCheckBox(TComponent* owner);
    ~TsCheckBox() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    bool MultiLine() const { return FMultiLine && !FAutoSize; }
    void SetMultiLine(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value);
    int TextIndent() const { return FTextIndent; }
    void SetTextIndent(int value);
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind kind);
    // User glyphs: the normal, hot and pressed looks side by side.
    TBitmap* GlyphChecked() const { return FGlyphChecked.get(); }
    void SetGlyphChecked(const TBitmap& value);
    TBitmap* GlyphUnChecked() const { return FGlyphUnChecked.get(); }
    void SetGlyphUnChecked(const TBitmap& value);

    // True while the mouse button or Space holds the box down.
    bool Pressed() const { return FPressed; }

    // --- the look (TsCheckBoxLook.cpp) ----------------------------------------
    TSize GlyphSize() const;
    TRect GlyphRect() const;
    // 2 while pressed, 1 if hot and not read-only, else 0.
    int GlyphState() const;
    // Resizes to glyph and caption (while skinned, not loading, AutoSize on).
    void AdjustSize();

    void Loaded() override;
    void WndProc(TMessage& m) override;
    void Invalidate() override;

protected:
    int PaintState() override;
    void PaintContent() override;
    int DisabledFlags() const override { return FDisabledKind; }
    void KeyDown(int& key, TShiftState shift) override;
    void SpaceReleased() override;

private:
    bool SkinnedMessage(TMessage& m);
    void PaintNow(TMessage& m);
    void PaintCaption(TCanvas* canvas);
    void PaintGlyph();
    int GlobalGlyphMask() const;
    const TBitmap* UserGlyph() const;
    void SetPressed(bool value);
    void Changed();

    bool FAutoSize = true;
    int FMargin = 2;
    bool FMultiLine = false;
    bool FReadOnly = false;
    bool FShowFocus = true;
    int FTextIndent = 0;
    bool FPressed = false;
    TsDisabledKind FDisabledKind = dkBlended;
    std::unique_ptr<TBitmap> FGlyphChecked;
    std::unique_ptr<TBitmap> FGlyphUnChecked;
};
