#pragma once
// Kind codes of skinned controls: which section a control of a kind gets
// when its form definition names none, and the two traits of a kind that
// steer the hot look. Everything is read from one table (ControlKinds.cpp).

#include <cstdint>

// Kind codes the controls of this program set.
constexpr int ckEdit = 3;
constexpr int ckCheckBox = 32;
constexpr int ckPanel = 51;
constexpr int ckGroupBox = 74;
constexpr int ckButton = 93;
constexpr int ckBitBtn = 94;
constexpr int ckStatusBar = 151;
constexpr int ckGauge = 161;
constexpr int ckTrackBar = 165;
constexpr int ckFormProvider = 224;

enum TsKindTrait : uint8_t {
    ktNeverHotByMouse = 1,       // containers and passive controls
    ktHotTransparencyIgnored = 2 // the hot look's transparency is never consulted
};

// The default section of the kind, or null when the kind has none (the
// control's class name is used then). Codes outside 0..255 have none.
const char* KindDefaultSection(int kind);
// Codes outside 0..255 have no traits.
bool KindHasTrait(int kind, TsKindTrait trait);
