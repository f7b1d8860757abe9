#pragma once
// The skinned frame of a form. It takes over the form's window procedure and
// draws the whole non-client area (border, title bar with icon, caption and
// title buttons, size grip) from the skin's "FORM", "FORMTITLE" and
// "TITLEBAR" sections into one cached picture, copies that picture to the
// window on each non-client paint, and cuts the window's region from the
// see-through corners of the frame masks. It keeps the system's non-client
// metrics, so the client area stays where the plain frame puts it. It also
// answers hit tests for its title buttons, tracks the hot and pressed
// button, runs their actions and shows its own system menu.
//
// Index: construction, properties and metrics in TsSkinProvider.cpp; the
// frame picture and the region in TsSkinProviderPaint.cpp; the window
// procedure in TsSkinProviderMessages.cpp; title buttons, hit testing and
// the non-client mouse in TsSkinProviderButtons.cpp.

#include <memory>
#include <vector>

#include "controls/TsCommonData.h"
#include "frame/TsSystemMenu.h"
#include "frame/TsTitleButtons.h"
#include "framework/component/TComponent.h"
#include "framework/forms/TCustomForm.h"

class TsSkinManager;

enum TsGripMode { gmNone, gmRightBottom };
enum TsResizeMode { rmStandard, rmBorder };

// The provider's own hit codes beside the platform's.
constexpr int HTCHILDCLOSE = 101;
constexpr int HTCHILDMAX = 102;
constexpr int HTCHILDMIN = 103;
constexpr int HTUSERBUTTON = 1000;

// What the region and the title need rebuilt.
struct TsFrameFlags {
    bool RgnChanging = false; // a new region is being applied
    bool RgnChanged = true;   // RegionRects must be rebuilt
    bool FormActive = false;
};

class TsSkinProvider : public TComponent, public TsFrameFlags {
public:
    explicit TsSkinProvider(TComponent* owner);
    ~TsSkinProvider() override;

    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    // --- published ----------------------------------------------------------
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value);
    TsCommonData* SkinData() const { return FSkinData.get(); }
    TsGripMode GripMode() const { return FGripMode; }
    void SetGripMode(TsGripMode value);
    bool MakeSkinMenu() const { return FMakeSkinMenu; }
    void SetMakeSkinMenu(bool value) { FMakeSkinMenu = value; }
    TsResizeMode ResizeMode() const { return FResizeMode; }
    void SetResizeMode(TsResizeMode value) { FResizeMode = value; }
    bool ScreenSnap() const { return FScreenSnap; }
    void SetScreenSnap(bool value) { FScreenSnap = value; }
    int SnapBuffer() const { return FSnapBuffer; }
    void SetSnapBuffer(int value) { FSnapBuffer = value; }
    bool ShowAppIcon() const { return FShowAppIcon; }
    void SetShowAppIcon(bool value);
    TsTitleButtons* TitleButtons() const { return FTitleButtons.get(); }
    TsTitleIcon* TitleIcon() const { return FTitleIcon.get(); }
    bool UseGlobalColor() const { return FUseGlobalColor; }
    void SetUseGlobalColor(bool value);

    // --- state ----------------------------------------------------------------
    TCustomForm* Form() const { return FForm; }
    TsSkinManager* SkinManager() const { return FSkinManager; }
    TsSystemMenu* SystemMenu() const { return FSystemMenu.get(); }
    TBorderIcons SavedBorderIcons() const { return FSavedBorderIcons; }
    int HotCode = -1;
    std::vector<TRect> RegionRects;
    TsTitleButtonRecord ButtonMin, ButtonMax, ButtonClose, ButtonHelp;
    TsTitleButtonRecord ChildMin, ChildMax, ChildClose;
    TWndMethod OldWndProc;
    // Whether the provider paints the frame now (a skin with the "FORM" section).
    bool SkinActive() const;

    // --- metrics ----------------------------------------------------------------
    int SysBorderWidth() const;
    int SysBorderHeight() const;
    int CaptionHeight() const;
    int ButtonWidth() const;
    int ButtonHeight() const;
    int FormWidth() const;
    int FormHeight() const;
    // The width of the title icon; 0 when none is drawn.
    int IconWidth() const;
    int IconHeight() const;

    // --- the frame picture ---------------------------------------------------------
    void PaintAll();
    void PaintForm(HDC dc);
    void UpdateRegion();
    // Marks the picture stale and paints the frame again.
    void RepaintFrame();

    // --- title buttons and hit testing ----------------------------------------------
    bool CloseVisible() const;
    bool MaxVisible() const;
    bool MinVisible() const;
    bool MaxEnabled() const;
    bool MinEnabled() const;
    bool RestoreEnabled() const;
    bool MoveEnabled() const;
    bool SizeVisible() const;
    bool HelpPresent() const;
    // The record of a hit code; null for codes that are no button.
    TsTitleButtonRecord* ButtonOf(int code);
    void RepaintButton(int code);
    void SetHot(int code);
    void Press(int code);
    // Screen point to hit code (and the hot button follows).
    int HitTest(TPoint screen);
    void DropSysMenu(int x, int y);
    // Shown by DropSysMenu; the framework's popup when none is set.
    std::function<void(TsSkinProvider&, TPoint)> OnDropSysMenu;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void UpdateMaskIndexes();
    void TakeOverSkin();
    void GiveBackSkin();
    // The window procedure (TsSkinProviderMessages.cpp).
    void NewWndProc(TMessage& m);
    void HandleSkinCommand(TMessage& m);
    bool HandleFrameMessage(TMessage& m);
    void WindowPosChanged(TMessage& m);
    void SnapToScreen(TWindowPos* pos) const;
    void EraseClient(HDC dc);
    // Painting (TsSkinProviderPaint.cpp).
    void PaintTitle(TBitmap* bmp);
    void PaintButtons(TBitmap* bmp);
    void DrawButton(TBitmap* bmp, int code, const TsTitleButtonRecord& b, bool enabled);
    void PaintCaption(TBitmap* bmp, int buttonCount);
    void PlaceButtons();
    int TitleAreaHeight() const;
    // Mouse (TsSkinProviderButtons.cpp).
    bool NCButtonDown(TMessage& m);
    bool NCButtonUp(TMessage& m);
    bool NCButtonDblClk(TMessage& m);
    bool NCHitTest(TMessage& m);
    int SystemSlots() const;
    int SlotCode(int slot);
    void RunButton(int code, TPoint screen);
    void SendCommand(uint32_t command);

    TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TAlignment FCaptionAlignment = taLeftJustify;
    std::unique_ptr<TsCommonData> FSkinData;
    TsGripMode FGripMode = gmNone;
    bool FMakeSkinMenu = true;
    TsResizeMode FResizeMode = rmStandard;
    bool FScreenSnap = false;
    int FSnapBuffer = 10;
    bool FShowAppIcon = true;
    std::unique_ptr<TsTitleButtons> FTitleButtons;
    std::unique_ptr<TsTitleIcon> FTitleIcon;
    bool FUseGlobalColor = true;

    TCustomForm* FForm = nullptr;
    TsSkinManager* FSkinManager = nullptr;
    std::unique_ptr<TsSystemMenu> FSystemMenu;
    TBorderIcons FSavedBorderIcons = 0;
    bool FIconsTaken = false;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBitmap FButtonStrip{0, 0, GraphicsScale()}; // the title background behind the buttons
    TBitmap FTitleCopy{0, 0, GraphicsScale()};   // the title bar as last painted
    TRect FStripRect;                            // where the strip lies in the window
    TSize FLastSize;
    int FPressedCode = 0;
};
