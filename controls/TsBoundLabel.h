#pragma once
// A caption label bound to a skinned edit or combo box: while Active it is a
// label on the control's parent, named after the control, that focuses the
// control when clicked and stands left of it or above it (Layout), and it
// follows the control when it moves, resizes, hides or is disabled. The
// control calls ControlChanged from its window procedure for that.

#include <memory>
#include <string>

#include "framework/component/TPersistent.h"
#include "framework/window/ControlTypes.h"

class TFont;
class TWinControl;
class TsCommonData;
class TsEditLabel;

// Where the label stands. The group box's caption layout has the same name in
// the skin's own vocabulary; in one namespace this one carries its owner's name.
enum TsBoundLabelLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

class TsBoundLabel : public TPersistent {
public:
    TsBoundLabel(TWinControl* control, TsCommonData* data);
    ~TsBoundLabel() override;
    TsBoundLabel(const TsBoundLabel&) = delete;
    TsBoundLabel& operator=(const TsBoundLabel&) = delete;

    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    TsBoundLabelLayout Layout() const { return FLayout; }
    void SetLayout(TsBoundLabelLayout value);
    TFont* Font() const { return FFont.get(); }
    // The label stops following its parent's font.
    void SetFont(const TFont& font);
    int Indent() const { return FIndent; }
    void SetIndent(int value);
    bool Active() const { return FLabel != nullptr; }
    void SetActive(bool value);
    TsEditLabel* Label() const { return FLabel; }
    TsCommonData* SkinData() const { return FSkinData; }

    // Places the label by Layout, Indent and MaxWidth.
    void AlignLabel();
    // A message the control has handled: the label follows what it changed.
    void ControlChanged(const TMessage& m);
    // The label is being freed by someone else.
    void LabelGone() { FLabel = nullptr; }

private:
    void CreateLabel();
    void SizeLabel();

    int FMaxWidth = 0;
    std::string FCaption;
    TsBoundLabelLayout FLayout = sclLeft;
    std::unique_ptr<TFont> FFont;
    int FIndent = 0;
    TsEditLabel* FLabel = nullptr;
    TWinControl* FControl;
    TsCommonData* FSkinData;
};
