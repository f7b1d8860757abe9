#include <gtest/gtest.h>

#include <cstdint>

#include "framework/window/Messages.h"
#include "framework/window/WinApi.h"
#include "skin/SkinCommands.h"

TEST(SkinMessage, RegistrationFallbackAndHelpers) {
    EXPECT_EQ(SkinMessageNumber(0xBFFF), SM_VESKACMD_FALLBACK);
    EXPECT_EQ(SkinMessageNumber(0), 0xA100u);
    EXPECT_EQ(SkinMessageNumber(0xC010), 0xC010u);
    EXPECT_EQ(SM_VESKACMD, SkinMessageNumber(RegisterWindowMessage("SM_VESKACMD")));
    EXPECT_EQ(SkinWParam(SKC_SETFROZEN, 1), 0x00090001u);

    const uint32_t saved = SM_VESKACMD;
    SM_VESKACMD = SkinMessageNumber(0x1234);
    TMessage m;
    m.Msg = 0xA100;
    EXPECT_TRUE(IsSkinMessage(m));
    m.Msg = saved;
    EXPECT_FALSE(IsSkinMessage(m));
    SM_VESKACMD = 0x80000001u; // a number that reads negative is never the message
    m.Msg = 0x80000001u;
    EXPECT_FALSE(IsSkinMessage(m));
    SM_VESKACMD = saved;
}
