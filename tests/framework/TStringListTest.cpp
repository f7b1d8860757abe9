#include <gtest/gtest.h>

#include "framework/component/TStrings.h"

TEST(TStringList, HoldsLinesAndTellsOfChanges) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Add("640x480");
    list.Add("800x600");
    EXPECT_EQ(list.IndexOf("800x600"), 1);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(changes, 3);
}
