// A background thread gives way to the others without changing theirs.
#include <gtest/gtest.h>

#include <thread>

#include "platform/services/ThreadPriority.h"

TEST(ThreadPriority, LoweringOneThreadLeavesTheOthersAsTheyWere) {
    const int before = ThisThreadsNiceValue();
    int lowered = 0, again = 0;
    std::thread([&] {
        LowerThisThreadsPriority();
        lowered = ThisThreadsNiceValue();
        LowerThisThreadsPriority(); // already low: stays where it is
        again = ThisThreadsNiceValue();
    }).join();
    EXPECT_GT(lowered, before);
    EXPECT_EQ(again, lowered);
    EXPECT_EQ(ThisThreadsNiceValue(), before);
}
