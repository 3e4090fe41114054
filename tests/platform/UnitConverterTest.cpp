// Length conversions between the seven units; degrees pass through.
#include <gtest/gtest.h>

#include "platform/UnitConverter.h"

namespace {

TEST(UnitConverter, ConvertsBetweenLengthUnits)
{
    UnitConverter units;
    EXPECT_DOUBLE_EQ(units.convert(1, 2, 1), 25.4);
    EXPECT_NEAR(units.convert(1, 1, 4), 2.834645669, 1e-9);
    EXPECT_NEAR(units.convert(10, 4, 3), 14.111111111, 1e-9);
    EXPECT_DOUBLE_EQ(units.convert(1, 7, 5), 1000000.0);
    EXPECT_DOUBLE_EQ(units.convert(5, 6, 2), 50.0 / 25.4);
    EXPECT_EQ(units.convert(3.75, 8, 1), 3.75);
    EXPECT_EQ(units.convert(3.75, 1, 8), 3.75);
    EXPECT_EQ(units.convert(3.75, 3, 3), 3.75);
    EXPECT_DOUBLE_EQ(units.convert(8, 3, 1), 2.0);
    EXPECT_DOUBLE_EQ(units.convert(1, 2, 4), 72.0);
    EXPECT_DOUBLE_EQ(units.convert(2500, 5, 6), 0.25);
    EXPECT_DOUBLE_EQ(units.convert(1, 6, 7), 0.01);
    EXPECT_DOUBLE_EQ(units.convert(72, 4, 2), 1.0);
    EXPECT_DOUBLE_EQ(units.convert(101.6, 3, 2), 1.0);
    // Unit 8 on one side: the other side's step still runs.
    EXPECT_DOUBLE_EQ(units.convert(2, 8, 5), 2000.0);
}

} // namespace
