#pragma once
// The skinned drop-down combo box: the plain combo box's list and keys with
// its whole closed look from its skin section (by default "COMBOBOX"): the
// section's look, the section's "GLYPHMASK" as the drop-down button (drawn
// pushed while the list is open, hot while the box is), and the chosen item
// in the section's text look. While focused (and closed) the chosen item
// is drawn highlighted, as the plain combo box shows its choice. ReadOnly keeps the keyboard and
// the clipboard from changing the choice. A bound label can stand beside it.
//
// Index: construction, properties and the window procedure in
// TsCustomComboBox.cpp; the look in TsComboBoxLook.cpp.

#include <memory>

#include "controls/TsBoundLabel.h"
#include "controls/TsDisabledKind.h"
#include "controls/TsSkinnedControl.h"
#include "framework/stdctrls/TComboBox.h"

class TsCustomComboBox : public TsSkinnedControl<TComboBox> {
public:
    explicit TsCustomComboBox(TComponent* owner);
    ~TsCustomComboBox() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind kind);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    TsBoundLabel* BoundLabel() const { return FBoundLabel.get(); }

    // Pixels between the drop-down glyph and the right edge.
    int ButtonMargin = 2;
    bool ListOpen() const { return FListOpen; }

    // The drop-down glyph's size (16 x 16 while not skinned) and place.
    TSize GlyphSize() const;
    TRect GlyphRect() const;
    // 2 while the list is open, else 1 if hot, else 0.
    int GlyphState() const;
    // Where the chosen item is written.
    TRect TextRect() const;

    void Loaded() override;
    void WndProc(TMessage& m) override;

protected:
    // --- the look (TsComboBoxLook.cpp) ----------------------------------------
    void PaintContent() override;
    int DisabledFlags() const override { return FDisabledKind; }
    bool ItemHighlighted() const;
    void PaintItem(TCanvas* canvas);

private:
    int GlyphMaskIndex() const;
    bool SkinnedMessage(TMessage& m);
    bool BlockedWhileReadOnly(uint32_t msg) const;
    // The list opened or closed since the look was last made.
    void SyncListOpen();

    TAlignment FAlignment = taLeftJustify;
    TsDisabledKind FDisabledKind = dkBlended;
    bool FReadOnly = false;
    bool FListOpen = false;
    std::unique_ptr<TsBoundLabel> FBoundLabel;
};
