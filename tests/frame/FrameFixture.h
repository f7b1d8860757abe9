#pragma once
// A form wearing a skinned frame: the skinned-control world (headless host,
// application, the launcher's stored skin through a real manager) with a
// TsSkinProvider on the form, made before the skin is announced, as a form
// definition makes it.

#include "frame/TsSkinProvider.h"
#include "framework/window/WinApi.h"
#include "tests/controls/SkinnedFixture.h"

class FrameTest : public SkinnedTest {
protected:
    // A shown form of that border style and size wearing the frame.
    void MakeFrame(TFormBorderStyle style, int width = 300, int height = 200) {
        Form->SetBorderStyle(style);
        Form->SetBounds(40, 30, width, height);
        Form->SetCaption("Frame");
        Provider = new TsSkinProvider(Form);
        Provider->SetShowAppIcon(false);
        ApplySkin();
        Show();
    }
    // The screen point of a window point.
    TPoint ScreenOf(TPoint p) const { return {Form->Left() + p.X, Form->Top() + p.Y}; }
    int HitAt(int x, int y) { return Provider->HitTest(ScreenOf({x, y})); }
    // Hides a mask of the loaded skin by its section and property, then announces the skin anew.
    void DropMask(const std::string& section, const std::string& property) {
        for (TsMaskData& m : SkinMasks)
            if (m.SectionName == section && m.PropertyName == property) m.PropertyName = "GONE";
        Form->Perform(SM_VESKACMD, SkinWParam(SKC_SETNEWSKIN));
        Form->Perform(SM_VESKACMD, SkinWParam(SKC_REFRESH));
        Pump();
    }

    TsSkinProvider* Provider = nullptr;
};
