#pragma once
// The skinned group box: a container whose frame (its section, by default
// "GROUPBOX") starts at the middle of the caption band; above that the
// parent's picture shows through. The caption sits in the band at the top
// left, centre or right, on the background of CaptionSkin's section
// ("CHECKBOX" when none is named), written in that section's text look.
//
// Index: construction, properties and window procedure in TsGroupBox.cpp;
// the caption rectangle and the look in TsGroupBoxLook.cpp.

#include <string>

#include "controls/TsSkinnedControl.h"
#include "framework/stdctrls/TGroupBox.h"

enum TsCaptionLayout { clTopLeft, clTopCenter, clTopRight };

class TsGroupBox : public TsSkinnedControl<TGroupBox> {
public:
    explicit TsGroupBox(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TsCaptionLayout CaptionLayout() const { return FCaptionLayout; }
    void SetCaptionLayout(TsCaptionLayout layout);
    int CaptionYOffset() const { return FCaptionYOffset; }
    void SetCaptionYOffset(int offset);
    const std::string& CaptionSkin() const { return FCaptionSkin; }
    void SetCaptionSkin(const std::string& section);

    // The caption's rectangle on the cache, measured in the box's font; its
    // height is the caption band's.
    TRect CaptionRect();

    void Loaded() override;
    void WndProc(TMessage& m) override;

protected:
    bool IsContainer() const override { return true; }
    bool HalfVisibleNow() override;
    void PaintBackground(const TCacheInfo& parent, TRegion* region) override;
    void PaintContent() override;
    bool PaintSuspended() const override { return SkinData()->Painting; }

private:
    bool SkinnedMessage(TMessage& m);
    bool MoveShowsParent() const;
    void CaptionPlaceChanged();
    void Restyle();
    void PaintCaptionBand(const TCacheInfo& parent, const TRect& caption);
    void PaintCaptionBackground(const TCacheInfo& parent, const TRect& caption);

    TsCaptionLayout FCaptionLayout = clTopLeft;
    int FCaptionYOffset = 0;
    std::string FCaptionSkin;
};
