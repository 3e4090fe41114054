#include <gtest/gtest.h>

#include "document/HandleFlags.h"

namespace {

TEST(HandleFlags, EightFlagsAndNothingOutsideThem)
{
    HandleFlags flags;
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(flags.get(i), 0);
    flags.setAll();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(flags.get(i), 1);
    EXPECT_EQ(flags.get(8), 0);
    EXPECT_EQ(flags.get(-1), 0);
    EXPECT_EQ(flags.get(1 << 30), 0);

    flags.set(1, 0, 1, 0, 0, 0, 0, 1);
    EXPECT_EQ(flags.get(0), 1);
    EXPECT_EQ(flags.get(1), 0);
    EXPECT_EQ(flags.get(7), 1);
    flags.clearAll();
    EXPECT_EQ(flags.get(7), 0);
}

} // namespace
