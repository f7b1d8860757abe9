#pragma once
// The paint pipeline every windowed skinned control follows, and the common
// part of its window procedure. The control supplies a TsSkinnedLook.
//
// Rendering (PrepareCache) rebuilds the cache only when it is stale; a paint
// copies the cache to the screen in one block, after rebuilding it when it
// is stale, the control is half outside its parent, or the parent is.

#include "framework/window/ControlTypes.h"

class TWinControl;
class TsCommonData;
class TsSkinnedLook;

// Rebuilds the cache: parent's picture, background and border, region,
// content, disabled look; the cache is then fresh.
void PrepareCache(TsSkinnedLook& look);

// For a control that paints its picture anew from its state (check box,
// track bar): rebuilds the cache only when it is stale or the parent's
// picture under it changed, else keeps it. The control marks it stale on
// every event that may change its look (see LeavesPictureAlone).
void RefreshKeptPicture(TsSkinnedLook& look);

// Whether a message leaves such a control's kept picture true: the paint and
// erase, and the skin commands, which mark the cache stale themselves. Any
// other event (mouse, keys, focus, text, size, enabling) may change the look.
bool LeavesPictureAlone(const TMessage& m);
// Such a control's Invalidate: its state changed, unless the parent only
// asked for a repaint.
void KeptPictureInvalidated(TsCommonData& data);

// The paint of a DC already taken: rebuild when needed, then copy (for a
// container: around its children, then its windowless children, then its
// windowed children repainted).
void PaintFromCache(TsSkinnedLook& look, HDC dc);

// The whole reaction to WM_PAINT (a DC in WParam is painted on directly).
void SkinPaintMessage(TsSkinnedLook& look, TMessage& m);

// Paints the windowless children of a container onto its DC, each through an
// off-screen bitmap that starts as the container's picture under the child.
void PaintGraphicChildren(TWinControl& container, HDC dc);

// The skin commands a control answers itself (new skin, removal, refresh,
// repaint, "are you skinned"; a container passes the first three on to its
// children); the rest go to its skin data. True when the message was
// handled and must not go on to the base class.
bool SkinControlCommand(TsSkinnedLook& look, TMessage& m);

// The window procedure every skinned control shares: the skin commands, the
// swallowed erase, the paint, and the window events that change the look;
// what it does not take goes to Inherited (the base class's procedure). A
// change of the hot look marks the cache stale and repaints.
void SkinnedWndProc(TsSkinnedLook& look, TMessage& m, const TWndMethod& inherited);
