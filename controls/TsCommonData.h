#pragma once
// The skin state every skinned control owns and publishes as SkinData: the
// section that styles it and the resolved indexes, its visual state (hot,
// focused, stale picture), its cache bitmap (the finished picture, rebuilt
// only when stale), and the control's share of the skin command message and
// of the window events that change its look.
//
// Index: construction, properties and state questions in TsCommonData.cpp;
// command and window-event reactions in TsCommonDataCommands.cpp; the cache
// and its copies to the screen in TsCommonDataCache.cpp.

#include <cstdint>
#include <memory>
#include <string>

#include "framework/component/TPersistent.h"
#include "framework/window/ControlTypes.h"
#include "paint/TCacheInfo.h"

class TBitmap;
class TControl;

// Where a control last rendered its cache and which picture of its parent
// lay under it then.
struct TsRenderMemo {
    uint64_t ParentVersion = 0;
    TRect Place;
};

// The section name stored for an empty or missing one; no skin has it.
extern const char* const UnknownSkinSection;

// The visual state flags of a control's skin data.
struct TsSkinFlags {
    bool Updating = false;    // painting is suspended
    bool Frozen = false;      // a stale cache is not rebuilt meanwhile
    bool BGChanged = true;    // the cache is stale
    bool HalfVisible = false; // not wholly inside the parent's client area
    bool Painting = false;    // the form provider is painting the form
    bool Focused = false;
    bool MouseAbove = false;
    bool Repainting = false; // the parent asked for a repaint: nothing of ours changed
};

class TsCommonData : public TPersistent, public TsSkinFlags {
public:
    // With CreateCache the cache bitmap is made at once; else on first use.
    TsCommonData(TObject* owner, bool createCache);
    ~TsCommonData() override;
    TsCommonData(const TsCommonData&) = delete;
    TsCommonData& operator=(const TsCommonData&) = delete;

    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    // --- published --------------------------------------------------------
    const std::string& SkinSection() const { return FSkinSection; }
    void SetSkinSection(const std::string& value);
    bool CustomFont() const { return FCustomFont; }
    void SetCustomFont(bool value);
    bool CustomColor() const { return FCustomColor; }
    void SetCustomColor(bool value);

    // --- resolved state -----------------------------------------------------
    int SkinIndex = -1;
    int BorderIndex = -1;
    int ControlKind = 0;
    TObject* LinkedObject = nullptr;
    TObject* OwnerObject() const { return FOwnerObject; }
    TControl* OwnerControl() const { return FOwnerControl; }
    TBitmap* CacheBmp() const { return FCacheBmp.get(); }

    // --- operations ---------------------------------------------------------
    // After loading and at the end of construction: the kind's section when
    // none was named, else the indexes of the named one.
    void Loaded();
    void UpdateIndexes();
    bool Skinned() const;
    // Marks the picture stale and asks the framework to repaint the control.
    void Invalidate();
    void BeginUpdate() { Updating = true; }
    void EndUpdate() { Updating = false; }
    bool IsUpdating() const;
    // The hot test.
    bool ControlIsActive() const;
    // Whether the picture uses the parent's background.
    bool DependsOnParent() const;

    // --- the cache ----------------------------------------------------------
    // The parent's picture as the control sees it; empty without a parent.
    TCacheInfo GetParentCache() const;
    // Makes the cache 24-bit and the control's size.
    void InitCacheBmp();
    // Controls that render anew on every paint give the bitmap back after.
    void FreeCacheBmp();
    // For containers: copies the cache to Dest of the DC from Src, leaving out
    // children that paint over it anyway.
    void PaintToDC(HDC dc, TRect dest, TPoint src) const;
    void CopyCache(HDC dc, int x, int y, int width, int height) const;

    // --- versions of the picture -------------------------------------------------
    // Called whenever the cache is drawn into: children see a new version.
    void PictureDrawn();
    uint64_t PictureVersion() const { return FPictureVersion; }
    // True when the parent's picture is the one this control last rendered
    // over and the control sits where it was then: a render forced by lying
    // half outside would draw the very same pixels.
    bool RenderStillCurrent() const;
    void RememberRender();

    // --- messages -------------------------------------------------------------
    void HandleCommand(TMessage& m);
    // True when the control must not pass the message on.
    bool HandleWindowMessage(TMessage& m);

private:
    bool OwnerIsWindowed() const;
    bool CanTakeFocusMark() const;
    bool CandidateDependsOnParent() const;
    // The questions (answered in the record or the shared answers); true
    // for those the control must not pass on.
    bool AnswerQuestion(TMessage& m);
    void ApplyCommand(TMessage& m);
    void RemoveSkin();
    void UpdateChildren(uint16_t argument);
    void AnswerCache() const;
    void AnswerComplexBackground(TMessage& m) const;

    std::string FSkinSection;
    bool FCustomFont = false;
    bool FCustomColor = false;
    TObject* FOwnerObject = nullptr;
    TControl* FOwnerControl = nullptr;
    std::unique_ptr<TBitmap> FCacheBmp;
    TsRenderMemo FRenderMemo;
    uint64_t FPictureVersion = 0;
};
