#pragma once
// What a windowed skinned control plugs into the common paint pipeline
// (TsPaintPipeline.h): its skin data, its state index, and its own content
// drawn on the cache at the step reserved for it. Everything else (the
// parent's picture, the section background and border, the window region,
// the disabled look, copying to the screen) the pipeline does the same way
// for every control.

#include "paint/SoftRect.h"
#include "paint/TCacheInfo.h"

class TRegion;
class TWinControl;
class TsCommonData;

// The state indexes of the section and mask painters.
constexpr int psNormal = 0;
constexpr int psHot = 1;
constexpr int psPressed = 2;

class TsSkinnedLook {
public:
    virtual ~TsSkinnedLook() = default;

    virtual TWinControl& LookControl() = 0;
    virtual TsCommonData& LookData() = 0;

    // The state painted: hot while the control is active, else normal.
    virtual int PaintState();
    // The section background and border mask on the cache. With a region
    // the border's see-through runs are cut from it instead of drawn.
    virtual void PaintBackground(const TCacheInfo& parent, TRegion* region);
    // Whether the border mask fills the centre too.
    virtual bool BorderFilling() const { return true; }
    // The control's own content on the cache (caption, glyph, thumb).
    virtual void PaintContent() {}
    // Whether this render rebuilds the window region; told when it was given.
    virtual bool RegionChanged() const { return false; }
    virtual void RegionRebuilt() {}
    // How a disabled control is drawn (dfBlended, dfGrey).
    virtual int DisabledFlags() const { return dfBlended; }
    // True while something else draws the control (a running fade).
    virtual bool PaintSuspended() const { return false; }
    // Containers copy their cache around their children, paint their
    // windowless children and repaint their windowed ones, and pass the
    // skin's arrival, removal and refresh on to their children.
    virtual bool IsContainer() const { return false; }
    // Whether the control lies partly outside its parent now (a half
    // visible control rebuilds its cache on every paint). By default: its
    // rectangle is not wholly inside the parent's client area.
    virtual bool HalfVisibleNow();
    // Drawn over the cache on every paint, rebuilt or not, just before it
    // is copied to the screen (a panel's paint event).
    virtual void PaintOverCache() {}
};
