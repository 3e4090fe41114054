// Arrays of doubles, rectangles of doubles, byte buffers and check-box integers.
#include <gtest/gtest.h>
#include <map>

#include "geometry/ByteBuffer.h"
#include "geometry/DoubleArray.h"
#include "geometry/DoubleRect.h"
#include "geometry/IntValue.h"
#include "geometry/Point.h"

namespace {

TEST(DoubleArray, StorageContract)
{
    DoubleArray a;
    EXPECT_EQ(a.capacity, 50);
    for (int i = 0; i < 60; ++i)
        ASSERT_EQ(a.append(i * 0.5), 1);
    EXPECT_EQ(a.capacity, 100);
    EXPECT_EQ(a.get(-1), 0.0);
    EXPECT_EQ(a.get(60), 0.0);
    EXPECT_EQ(a.get(59), 29.5);
    double v = 7;
    EXPECT_EQ(a.getRaw(60, &v), 0);
    EXPECT_EQ(v, 7.0);
    EXPECT_EQ(a.set(60, 1.0), 0);

    ASSERT_EQ(a.resize(3), 1); // 0, 0.5, 1
    ASSERT_EQ(a.insertAfter(0, 9), 1);
    ASSERT_EQ(a.insertAfter(-1, 8), 1);
    EXPECT_EQ(a.insertAfter(5, 1), 0);
    const double expected[] = {8, 0, 9, 0.5, 1};
    ASSERT_EQ(a.count, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(a.get(i), expected[i]);

    ASSERT_EQ(a.removeRange(1, 2), 1);
    EXPECT_EQ(a.removeRange(2, 2), 0);
    ASSERT_EQ(a.removeAt(0), 1);
    EXPECT_EQ(a.count, 2);
    EXPECT_EQ(a.get(0), 0.5);
    ASSERT_EQ(a.insertGap(1, 70), 1);
    EXPECT_EQ(a.count, 72);
    EXPECT_EQ(a.get(71), 1.0);
    EXPECT_EQ(a.insertGap(73, 1), 0);
    ASSERT_EQ(a.resize(4), 1);
    ASSERT_EQ(a.resize(6), 1);
    EXPECT_EQ(a.get(5), 0.0);

    DoubleArray b;
    ASSERT_EQ(b.copyFrom(&a), 1);
    ASSERT_EQ(b.appendAll(&b), 1);
    EXPECT_EQ(b.count, 12);
    EXPECT_EQ(b.get(6), 0.5);
    EXPECT_EQ(b.appendAll(nullptr), 0);
}

TEST(DoubleArray, AllZeroComparesExactly)
{
    DoubleArray a;
    EXPECT_EQ(a.isAllZero(), 1) << "empty";
    ASSERT_EQ(a.append(0.0), 1);
    ASSERT_EQ(a.append(-0.0), 1);
    EXPECT_EQ(a.isAllZero(), 1);
    ASSERT_EQ(a.resize(0), 1);
    ASSERT_EQ(a.append(0.0), 1);
    ASSERT_EQ(a.append(1e-300), 1);
    EXPECT_EQ(a.isAllZero(), 0);
}

TEST(DoubleRect, FieldsAreStoredTopLeftRightBottom)
{
    DoubleRect r;
    r.set(1, 2, 3, 4);
    const double* raw = reinterpret_cast<const double*>(&r);
    EXPECT_EQ(raw[0], 1.0);
    EXPECT_EQ(r.minY, 1.0);
    EXPECT_EQ(raw[1], 2.0);
    EXPECT_EQ(r.minX, 2.0);
    EXPECT_EQ(raw[2], 3.0);
    EXPECT_EQ(raw[3], 4.0);
    EXPECT_EQ(sizeof(DoubleRect), 4 * sizeof(double));
    EXPECT_EQ(r.width(), 1.0);
    EXPECT_EQ(r.height(), 3.0);

    double xs[4], ys[4];
    r.getCornerArrays(xs, ys);
    EXPECT_EQ(xs[1], 3.0);
    EXPECT_EQ(ys[1], 1.0);
    EXPECT_EQ(xs[3], 2.0);
    EXPECT_EQ(ys[3], 4.0);
    r.clear();
    EXPECT_EQ(r.maxY, 0.0);
}

TEST(DoubleRect, EdgesCountOnlyWhenInclusive)
{
    DoubleRect a, b;
    a.set(0, 0, 10, 10);
    b.set(0, 10, 20, 10); // shares the right edge of a
    EXPECT_EQ(a.intersects(&b, 1), 1);
    EXPECT_EQ(a.intersects(&b, 0), 0);
    b.set(2, 5, 20, 8);
    EXPECT_EQ(a.intersects(&b, 0), 1);
    EXPECT_EQ(a.intersects(nullptr, 1), 0);

    EXPECT_EQ(a.containsXY(10, 5, 1), 1);
    EXPECT_EQ(a.containsXY(10, 5, 0), 0);
    EXPECT_EQ(a.containsXY(5, 0, 0), 0);
    EXPECT_EQ(a.containsXY(5, 5, 0), 1);
    EXPECT_EQ(a.overlapsX(-5, 0, 1), 1);
    EXPECT_EQ(a.overlapsY(10.5, 12, 1), 0);
}

TEST(DoubleRect, CornersAreNormalisedAndScaledOnlyByAUsableDenominator)
{
    DoubleRect r;
    Point p1(10, 2), p2(4, 8);
    ASSERT_EQ(r.setFromCorners(&p1, &p2), 1);
    EXPECT_EQ(r.minX, 4.0);
    EXPECT_EQ(r.maxX, 10.0);
    EXPECT_EQ(r.minY, 2.0);
    EXPECT_EQ(r.maxY, 8.0);
    ASSERT_EQ(r.setFromCornersScaled(&p1, &p2, 1, 0.05), 1);
    EXPECT_EQ(r.maxX, 10.0) << "den below 0.1: unscaled";
    ASSERT_EQ(r.setFromCornersScaled(&p1, &p2, 1, 2), 1);
    EXPECT_EQ(r.maxX, 5.0);
    EXPECT_EQ(r.minY, 1.0);
    EXPECT_EQ(r.setFromCorners(nullptr, &p2), 0);
    EXPECT_EQ(r.maxX, 5.0);
}

TEST(ByteBuffer, HoldsItsBytesZeroed)
{
    ByteBuffer labels(8 * 20);
    ASSERT_NE(labels.bytes(), nullptr);
    EXPECT_EQ(labels.size(), 160);
    for (int i = 0; i < 160; ++i)
        ASSERT_EQ(labels.bytes()[i], 0);
}

// A dialog with check boxes 1001 and 1002 only.
class FakeCheckBoxes : public DialogCheckBoxes {
public:
    int setCheckById(int id, int checked) override
    {
        if (!states.count(id))
            return 0;
        states[id] = checked;
        return 1;
    }
    int getCheckById(int id, int* checked) override
    {
        if (!states.count(id))
            return 0;
        *checked = states[id];
        return 1;
    }
    std::map<int, int> states{{1001, 0}, {1002, 1}};
};

TEST(IntValue, MovesBetweenTheRecordAndItsCheckBox)
{
    FakeCheckBoxes dialog;
    IntValue flag;
    EXPECT_EQ(flag.value, 0);
    IntValue picked(&dialog, 1001);
    EXPECT_EQ(picked.value, 1);
    EXPECT_EQ(dialog.states[1001], 1) << "set to 1 and shown in one step";

    EXPECT_EQ(flag.readFromControl(&dialog, 1002), 1);
    EXPECT_EQ(flag.value, 1);
    flag.value = 0;
    EXPECT_EQ(flag.writeToControl(&dialog, 1002), 1);
    EXPECT_EQ(dialog.states[1002], 0);

    EXPECT_EQ(flag.writeToControl(&dialog, 1003), 0);
    flag.value = 5;
    EXPECT_EQ(flag.readFromControl(&dialog, 1003), 0);
    EXPECT_EQ(flag.value, 5);
    EXPECT_EQ(flag.readFromControl(nullptr, 1001), 0);
}

} // namespace
