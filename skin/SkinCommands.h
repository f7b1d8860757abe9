#pragma once
// The registered message through which skinned windows, windowless controls,
// form frames and the skin manager talk. WParam carries the command code in
// its high word and the command's argument in its low word.
//
// Answers come back as the send's Result, through CacheInfo or
// ParentColorValue, or (for a direct call of the window procedure with a
// local record) in the record's LParam.

#include <cstdint>
#include <string>

#include "framework/window/ControlTypes.h"
#include "framework/window/Messages.h"
#include "platform/Types.h"

#include "paint/TCacheInfo.h"

class TControl;
class TWinControl;

// Used when registration hands out a number below the registered range.
constexpr uint32_t SM_VESKACMD_FALLBACK = 0xA100;
// The message number, registered once at start-up.
extern uint32_t SM_VESKACMD;
// The number every party uses for what registration returned.
uint32_t SkinMessageNumber(uint32_t registered);

constexpr uint16_t SKC_SETNEWSKIN = 1;
constexpr uint16_t SKC_REMOVESKIN = 2;
constexpr uint16_t SKC_REFRESH = 3;
constexpr uint16_t SKC_GETPROVIDER = 4;
constexpr uint16_t SKC_GETCACHE = 5;
constexpr uint16_t SKC_REPAINT = 6;
constexpr uint16_t SKC_ISSKINNED = 7;
constexpr uint16_t SKC_SETUPDATING = 8;
constexpr uint16_t SKC_SETFROZEN = 9;
constexpr uint16_t SKC_ISUPDATING = 10;
constexpr uint16_t SKC_ISHALFVISIBLE = 11;
constexpr uint16_t SKC_PARENTBGCHANGED = 12;
constexpr uint16_t SKC_SECTIONCHANGED = 13;
constexpr uint16_t SKC_SETLINKEDOBJECT = 15;
constexpr uint16_t SKC_FADEDONE = 16;
constexpr uint16_t SKC_SETBGCHANGED = 17;
constexpr uint16_t SKC_INVALIDATED = 18;
constexpr uint16_t SKC_HASCOMPLEXBG = 19;
constexpr uint16_t SKC_UPDATECHILDREN = 20;
constexpr uint16_t SKC_GETBGCOLOR = 21;

inline uint32_t SkinWParam(uint16_t code, uint16_t argument = 0) {
    return argument + static_cast<uint32_t>(code) * 65536;
}
// A skin command: the number compared as a signed, non-negative value.
inline bool IsSkinMessage(const TMessage& m) {
    return static_cast<int32_t>(m.Msg) >= 0 && m.Msg == SM_VESKACMD;
}
inline uint16_t SkinCommandCode(const TMessage& m) {
    return m.WParamHi();
}
inline uint16_t SkinCommandArgument(const TMessage& m) {
    return m.WParamLo();
}

// The answer to SKC_GETCACHE (the record is the painters'): the asker clears
// Ready first and reads Bitmap only when Ready is set; the bitmap is not owned.
extern TCacheInfo CacheInfo;

// The answer to SKC_GETBGCOLOR; 0xFF00FF until a receiver writes a colour.
constexpr TColor clNoAnswer = 0xFF00FF;
extern TColor ParentColorValue;

// The section whose controls SKC_SECTIONCHANGED invalidates (empty: none).
extern std::string ChangedSkinSection;

// Sends the command with argument 0 and LParam 0; the Result.
intptr_t SendCommand(HWND window, uint16_t code);
// Performs on a windowless control, sends to a windowed one.
intptr_t PerformCommand(TControl* control, uint16_t code, uint16_t argument = 0,
                        intptr_t lparam = 0);
// Calls the control's window procedure with a local record; true when the
// record's LParam is 1 afterwards.
bool AskCommand(TControl* control, uint16_t code);
// Passes m to the children: performed on windowless ones, handed to the
// window procedure of windowed ones that say they are skinned (they forward
// it themselves), and carried down through any other windowed child.
void BroadcastToChildren(TWinControl* control, TMessage& m);
// SKC_REPAINT performed on every windowed child.
void RepaintChildren(TWinControl* container);
// SKC_SETFROZEN with argument 0 to the control and all its descendants.
void UnfreezeTree(TControl* control);
// ParentColorValue := clNoAnswer, then SKC_GETBGCOLOR to the window.
void GetParentColor(HWND window);
void SetBGChangedCommand(TControl* control, bool changed);

// The background colour answer of a control: its section's colour, its
// parent's (asked through the parent, else the parent's Color) or a mix of
// both by the section's Transparency; its own colour when unskinned.
void AnswerBGColor(TControl* control, int skinIndex);
// Section colour c moved towards parent colour p by transparency percent,
// per channel, rounded: c at 0, p at 100.
TColor MixTransparentColor(TColor c, TColor p, int transparency);
