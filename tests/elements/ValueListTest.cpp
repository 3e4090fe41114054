// The radius and diameter value lists in memory; their records and drawing-file blocks are
// tested with the circle (ArcCircleFileTest).
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "geometry/Point.h"
#include "platform/Dialog.h"
#include "shapes/DiameterList.h"
#include "shapes/RadiusList.h"
#include "tests/support/TestApplication.h"

namespace {

TEST(ValueList, NewListsMinimumScaleAndSetAll)
{
    RadiusList radius;
    DiameterList diameter;
    for (const ValueList* list : {static_cast<const ValueList*>(&radius), static_cast<const ValueList*>(&diameter)}) {
        EXPECT_EQ(list->count, 1);
        EXPECT_EQ(list->first(), 5.0);
    }

    // minimum over the values in use; scale multiplies each value whose product stays above
    // 0.0001 and keeps the count.
    struct Case {
        const char* name;
        std::vector<double> values;
        double factor;
        double minimum;
        std::vector<double> scaled;
    };
    const Case cases[] = {
        {"equal values", {3.0, 3.0}, 1.0, 3.0, {3.0, 3.0}},
        {"the second smaller", {4.0, 2.0}, 1.0, 2.0, {4.0, 2.0}},
        {"two values scaled by 2", {3.0, 5.0}, 2.0, 3.0, {6.0, 10.0}},
        {"5.0 by 0.00001 stays", {5.0}, 0.00001, 5.0, {5.0}},
        {"only the value that stays above the bound", {1.0, 0.00004}, 2.0, 0.00004, {2.0, 0.00004}},
        {"a factor that is not finite", {2.0}, std::numeric_limits<double>::infinity(), 2.0, {2.0}},
    };
    for (const Case& c : cases) {
        RadiusList list;
        ASSERT_EQ(list.setAll(static_cast<int>(c.values.size()), c.values.data()), 1) << c.name;
        EXPECT_EQ(list.minimum(), c.minimum) << c.name;
        list.scale(c.factor, 0);
        EXPECT_EQ(list.count, static_cast<int>(c.scaled.size())) << c.name;
        for (size_t i = 0; i < c.scaled.size(); ++i)
            EXPECT_EQ(list.value(static_cast<int>(i)), c.scaled[i]) << c.name << " value " << i;
    }

    // Counts outside 1..2 are refused and change nothing.
    RadiusList list;
    const double three[] = {1.0, 2.0, 3.0};
    EXPECT_EQ(list.setAll(3, three), 0);
    EXPECT_EQ(list.setAll(0, three), 0);
    EXPECT_EQ(list.setAll(1, nullptr), 0);
    EXPECT_EQ(list.count, 1);
    EXPECT_EQ(list.first(), 5.0);
    list.setFromDistance(Point(1, 1), Point(4, 5));
    EXPECT_EQ(list.first(), 5.0);
}

TEST(ValueList, AMissingDialogFieldKeepsTheValue)
{
    TestApplication app;
    DiameterList list;
    list.setSingle(9.0);
    // A control the dialog does not have: 0 and the value kept.
    Dialog dialog;
    EXPECT_EQ(list.takeFirst(&dialog, 4242), 0);
    EXPECT_EQ(list.showFirst(&dialog, 4242), 0);
    EXPECT_EQ(list.first(), 9.0);
}

} // namespace
