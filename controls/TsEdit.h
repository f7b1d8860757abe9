#pragma once
// The skinned single-line edit. Its frame and background come from its skin
// section (by default "EDIT"). While it is not hot the whole control is
// its cache: the section's look with the text (or a password character per
// letter) written on it. While it is hot (focused, or under the mouse when
// the section's ReservedBoolean allows that) the plain edit draws the text
// area, so caret, selection, clipboard and undo work as ever, and only the
// 2-pixel frame is copied from the cache. A bound label can stand beside it.
//
// Index: construction, properties and the window procedure in TsEdit.cpp;
// the look (cache content, full and frame paints) in TsEditLook.cpp.

#include <memory>

#include "controls/TsBoundLabel.h"
#include "controls/TsDisabledKind.h"
#include "controls/TsSkinnedControl.h"
#include "framework/stdctrls/TEdit.h"

class TsEdit : public TsSkinnedControl<TEdit> {
public:
    explicit TsEdit(TComponent* owner);
    ~TsEdit() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind kind);
    TsBoundLabel* BoundLabel() const { return FBoundLabel.get(); }

    void Loaded() override;
    void WndProc(TMessage& m) override;

    // The text as the cache shows it: one password character per letter.
    std::string ShownText() const;

protected:
    // --- the look (TsEditLook.cpp) --------------------------------------------
    void PaintContent() override;
    int DisabledFlags() const override { return FDisabledKind; }
    // While hot: the plain text area, then the frame from the cache.
    void PaintWindow(HDC dc) override;
    void PaintFrame(HDC dc);

private:
    void Inherited(TMessage& m) { TEdit::WndProc(m); }
    bool SkinnedMessage(TMessage& m);
    bool MouseHoverAllowed() const;
    void LookChanged();

    TsDisabledKind FDisabledKind = dkBlended;
    std::unique_ptr<TsBoundLabel> FBoundLabel;
};
