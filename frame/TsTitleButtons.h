#pragma once
// The title bar's extra pieces: the record every title button keeps (its
// state, picture and place), the user buttons a form adds beside the system
// ones (TsTitleButton in the TsTitleButtons collection, ordered from right to
// left after the system buttons), and the icon picture of its own a title
// bar may show (TsTitleIcon).

#include <functional>
#include <memory>
#include <string>

#include "framework/component/TCollection.h"
#include "framework/graphics/TBitmap.h"
#include "framework/window/ControlTypes.h"

// One title button: State -1 not present, 0 normal, 1 hot, 2 pressed; the
// mask of its pictures; its rectangle in window coordinates.
struct TsTitleButtonRecord {
    int State = -1;
    int ImageIndex = -1;
    TRect Rect;
};

constexpr int tbsAbsent = -1;
constexpr int tbsNormal = 0;
constexpr int tbsHot = 1;
constexpr int tbsPressed = 2;

using TsTitleMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

class TsTitleButton : public TCollectionItem {
public:
    explicit TsTitleButton(TCollection* collection);

    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value);
    bool UseSkinData() const { return FUseSkinData; }
    void SetUseSkinData(bool value);
    TsTitleMouseEvent OnMouseDown;
    TsTitleMouseEvent OnMouseUp;

    std::string DisplayName() const override { return FName; }

    TsTitleButtonRecord Data;

private:
    bool FEnabled = true;
    std::unique_ptr<TBitmap> FGlyph;
    std::string FName;
    bool FUseSkinData = true;
};

class TsTitleButtons : public TCollection {
public:
    explicit TsTitleButtons(TPersistent* owner);
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();
    TsTitleButton* Item(int index) const { return ItemAs<TsTitleButton>(index); }
};

class TsTitleIcon : public TPersistent {
public:
    TsTitleIcon();
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    TBitmap* Glyph() const { return FGlyph.get(); }
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }

private:
    std::unique_ptr<TBitmap> FGlyph;
    int FHeight = 0;
    int FWidth = 0;
};
