// Pixel geometry: rectangles and their hit tests, point lists, polygons, poly-polygons and regions.
#include <gtest/gtest.h>

#include "platform/Entry16List.h"
#include "platform/IntPointList.h"
#include "platform/IntPolyPolygon.h"
#include "platform/IntPolygon.h"
#include "platform/IntRect.h"
#include "platform/Region.h"
#include "platform/SerialList.h"

namespace {

IntRect rectOf(int top, int left, int right, int bottom)
{
    IntRect r;
    r.set(top, left, right, bottom);
    return r;
}

TEST(IntRect, SetTakesTopFirst)
{
    IntRect r = rectOf(10, 20, 30, 40);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right, 30);
    EXPECT_EQ(r.bottom, 40);
    EXPECT_EQ(r.width(), 10);
    EXPECT_EQ(r.height(), 30);
    EXPECT_EQ(r.center().x, 25);

    r.setCenteredXY(0, 0, 5, 5);
    EXPECT_TRUE(r.equals(rectOf(-2, -2, 3, 3)));
    EXPECT_EQ(r.centerX(), 0); // (-2 + 3) / 2 truncates toward zero

    // Signed sizes keep a reversed rectangle's direction.
    r = rectOf(0, 10, 0, 0);
    r.setSignedWidth(4);
    EXPECT_EQ(r.right, 6);
    EXPECT_EQ(r.absWidth(), 4);
    r.setFromPoints(IntPoint(5, 9), IntPoint(1, 2));
    EXPECT_TRUE(r.equals(rectOf(2, 1, 5, 9)));
    r.moveTopRightTo(IntPoint(100, 50));
    EXPECT_TRUE(r.equals(rectOf(50, 96, 100, 57)));
    r.alignBottomLeftWith(rectOf(0, 0, 10, 10));
    EXPECT_TRUE(r.equals(rectOf(3, 0, 4, 10)));
    r.inflate(2);
    r.deflateByMargins(rectOf(1, 1, 1, 1));
    EXPECT_TRUE(r.equals(rectOf(2, -1, 5, 11)));
    r.makeSquareMax();
    EXPECT_EQ(r.width(), 9);
    EXPECT_EQ(r.height(), 9);

    int xs[4], ys[4];
    rectOf(1, 2, 3, 4).getCorners(xs, ys);
    EXPECT_EQ(xs[1], 3);
    EXPECT_EQ(ys[1], 1);
    EXPECT_EQ(xs[3], 2);
    EXPECT_EQ(ys[3], 4);
}

TEST(IntRect, ContainmentAndIntersection)
{
    IntRect r = rectOf(0, 0, 10, 10);
    EXPECT_TRUE(r.containsPoint(IntPoint(0, 5)));
    EXPECT_TRUE(r.containsPoint(IntPoint(10, 5)));
    EXPECT_TRUE(r.containsPoint(IntPoint(5, 0)));
    EXPECT_TRUE(r.containsPoint(IntPoint(5, 10)));
    EXPECT_FALSE(r.containsPoint(IntPoint(11, 5)));

    // Sharing only an edge.
    IntRect neighbour = rectOf(0, 10, 20, 10);
    EXPECT_TRUE(r.intersects(neighbour, 1));
    EXPECT_FALSE(r.intersects(neighbour, 0));
    EXPECT_FALSE(r.intersectWith(neighbour));
    EXPECT_TRUE(r.equals(rectOf(0, 0, 10, 10)));
    EXPECT_EQ(r.offsetXFromCenter(neighbour, 1), 5);
    EXPECT_EQ(r.offsetXFromCenter(neighbour, 0), 0);

    EXPECT_TRUE(r.intersectWith(rectOf(5, -5, 7, 20)));
    EXPECT_TRUE(r.equals(rectOf(5, 0, 7, 10)));
}

TEST(IntRect, BorderHitTests)
{
    IntRect r = rectOf(100, 100, 200, 200);
    // 2 pixels from the top edge and 3 from the left one.
    EXPECT_EQ(r.hitTestBorder(IntPoint(103, 102), 4, 5), 12);
    EXPECT_EQ(r.hitTestBorder(IntPoint(150, 102), 4, 5), 1);
    EXPECT_EQ(r.hitTestBorder(IntPoint(197, 101), 4, 5), 13);
    EXPECT_EQ(r.hitTestBorder(IntPoint(101, 150), 4, 5), 2);
    EXPECT_EQ(r.hitTestBorder(IntPoint(101, 197), 4, 5), 42);
    EXPECT_EQ(r.hitTestBorder(IntPoint(199, 198), 4, 5), 43);
    EXPECT_EQ(r.hitTestBorder(IntPoint(199, 150), 4, 5), 3);
    EXPECT_EQ(r.hitTestBorder(IntPoint(150, 199), 4, 5), 4);
    EXPECT_EQ(r.hitTestBorder(IntPoint(150, 150), 4, 5), 0);
    EXPECT_EQ(r.hitTestBorder(IntPoint(99, 150), 4, 5), 0);
    EXPECT_EQ(r.edgeHit(IntPoint(102, 102), 4), 1);

    // Rows of 10 pixels with gaps of 2 from y = 0 to 40: boundaries at 10, 22, 34.
    IntRect list = rectOf(0, 0, 100, 40);
    EXPECT_EQ(list.rowAtPoint(IntPoint(5, 0), 10, 2), 0);
    EXPECT_EQ(list.rowAtPoint(IntPoint(5, 10), 10, 2), 1); // in a gap: the next row
    EXPECT_EQ(list.rowAtPoint(IntPoint(5, 33), 10, 2), 2);
    EXPECT_EQ(list.rowAtPoint(IntPoint(5, 35), 10, 2), -1); // the last row reaches the bottom
    EXPECT_EQ(list.rowAtPoint(IntPoint(5, 50), 10, 2), -1);
    EXPECT_EQ(list.rowAtPoint(IntPoint(5, 5), 0, 2), -1);
    EXPECT_EQ(list.rowAtPoint(IntPoint(5, 5), 3, -5), -1);
}

TEST(IntPoint, DistancesAndInterpolation)
{
    IntPoint p(0, 0);
    EXPECT_EQ(p.distanceTo(IntPoint(3, 5)), 5);
    EXPECT_TRUE(p.isMoreVertical(IntPoint(3, -5)));
    EXPECT_FALSE(p.isMoreVertical(IntPoint(5, 5)));
    p.interpolate(IntPoint(0, 10), IntPoint(10, 0), 1, 4);
    EXPECT_TRUE(p.equalsXY(2, 8));
    p.interpolate(IntPoint(1, 1), IntPoint(10, 0), 1, 0);
    EXPECT_TRUE(p.equalsXY(1, 1));
    p.offsetBy(IntPoint(2, 3));
    p.subtractY(1);
    EXPECT_TRUE(p.equals(IntPoint(3, 3)));
}

TEST(IntPolygon, VerticesRotationAndContainment)
{
    IntPointList list;
    for (int i = 0; i < 120; ++i)
        ASSERT_TRUE(list.add(i, -i));
    EXPECT_TRUE(list.getPoint(119).equalsXY(119, -119));
    EXPECT_TRUE(list.getPoint(120).equalsXY(0, 0));
    int x = 7, y = 7;
    EXPECT_FALSE(list.getAt(120, x, y));
    EXPECT_EQ(x, 7);

    IntPolygon polygon;
    ASSERT_TRUE(polygon.add(0, 0));
    ASSERT_TRUE(polygon.add(10, 0));
    ASSERT_TRUE(polygon.addPoint(IntPoint(10, 10)));
    ASSERT_TRUE(polygon.add(0, 10));
    EXPECT_TRUE(polygon.containsPoint(IntPoint(5, 5)));
    EXPECT_FALSE(polygon.containsPoint(IntPoint(15, 5)));
    ASSERT_TRUE(polygon.setAt(2, 20, 20));
    ASSERT_TRUE(polygon.close());
    ASSERT_EQ(polygon.count, 5);
    EXPECT_TRUE(polygon.getPoint(4).equalsXY(0, 0));
    polygon.removeLast();
    EXPECT_EQ(polygon.count, 4);

    // A 10 x 4 rectangle about its centre turned by 90 degrees (y grows downwards).
    ASSERT_TRUE(polygon.setRotatedRect(rectOf(0, 0, 10, 4), IntPoint(5, 2), 90.0));
    ASSERT_EQ(polygon.count, 5);
    EXPECT_TRUE(polygon.getPoint(0).equalsXY(3, 7)) << polygon.getPoint(0).x << "," << polygon.getPoint(0).y;
    EXPECT_TRUE(polygon.getPoint(4).equals(polygon.getPoint(0)));
    ASSERT_TRUE(polygon.setRotatedRect(IntPoint(50, 50), 20, 10, 0.0));
    ASSERT_EQ(polygon.count, 5);
    EXPECT_TRUE(polygon.getPoint(0).equalsXY(40, 45));
    EXPECT_TRUE(polygon.getPoint(2).equalsXY(60, 55));
}

TEST(IntPolyPolygon, ShortPolygonsLeaveNoStrayVertices)
{
    IntPolyPolygon set;
    ASSERT_TRUE(set.addPoint(IntPoint(100, 100)));
    ASSERT_TRUE(set.addPoint(IntPoint(200, 200)));
    EXPECT_FALSE(set.endPolygon());
    EXPECT_EQ(set.polygonCount(), 0);
    EXPECT_EQ(set.vertices.count, 0);

    ASSERT_TRUE(set.addPoint(IntPoint(0, 0)));
    ASSERT_TRUE(set.addPoint(IntPoint(20, 0)));
    ASSERT_TRUE(set.addPoint(IntPoint(0, 20)));
    EXPECT_TRUE(set.endPolygon());
    EXPECT_EQ(set.polygonCount(), 1);

    // The region fills exactly the triangle.
    Region region;
    ASSERT_TRUE(region.createPolyPolygon(set));
    EXPECT_TRUE(region.containsPoint(IntPoint(3, 3)));
    EXPECT_FALSE(region.containsPoint(IntPoint(150, 150)));
    IntRect box = region.boundingBox();
    EXPECT_EQ(box.right, 20);
    EXPECT_EQ(box.bottom, 20);

    // A square with a reversed inner square leaves a hole.
    IntPolygon outer, inner;
    ASSERT_TRUE(outer.add(0, 0) && outer.add(30, 0) && outer.add(30, 30) && outer.add(0, 30));
    ASSERT_TRUE(inner.add(10, 10) && inner.add(10, 20) && inner.add(20, 20) && inner.add(20, 10));
    ASSERT_TRUE(set.setPolygon(outer));
    ASSERT_TRUE(set.addPolygon(inner));
    EXPECT_EQ(set.polygonCount(), 2);
    ASSERT_TRUE(region.createPolyPolygon(set));
    EXPECT_TRUE(region.containsPoint(IntPoint(5, 5)));
    EXPECT_FALSE(region.containsPoint(IntPoint(15, 15)));
}

TEST(Region, OwnsOneRegion)
{
    Region region;
    EXPECT_FALSE(region.containsPoint(IntPoint(0, 0)));
    EXPECT_TRUE(region.boundingBox().equals(IntRect()));
    ASSERT_TRUE(region.ensureCreated());
    EXPECT_TRUE(region.valid);
    EXPECT_FALSE(region.containsPoint(IntPoint(1, 1)));

    ASSERT_TRUE(region.createRect(10, 20, 30, 40));
    EXPECT_TRUE(region.boundingBox().equals(rectOf(10, 20, 30, 40)));
    EXPECT_TRUE(region.containsPoint(IntPoint(25, 15)));
    ASSERT_TRUE(region.createRectIndirect(rectOf(0, 0, 5, 5)));
    EXPECT_FALSE(region.containsPoint(IntPoint(25, 15)));

    IntPolygon triangle;
    ASSERT_TRUE(triangle.add(0, 0) && triangle.add(10, 0) && triangle.add(0, 10));
    ASSERT_TRUE(region.createPolygon(triangle));
    EXPECT_TRUE(region.containsPoint(IntPoint(2, 2)));
    EXPECT_FALSE(region.containsPoint(IntPoint(9, 9)));
    region.destroy();
    EXPECT_EQ(region.hrgn, nullptr);
    EXPECT_FALSE(region.valid);
}

struct Numbered {
    int serial;
};

TEST(SerialList, FindsAndRemovesBySerial)
{
    SerialList list([](const void* object) { return static_cast<const Numbered*>(object)->serial; });
    Numbered a{1}, b{2}, c{3};
    ASSERT_TRUE(list.add(&a) && list.add(&b) && list.add(&c));
    int index = 0;
    EXPECT_EQ(list.findBySerial(2, index), &b);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(list.findBySerial(9, index), nullptr);
    EXPECT_EQ(index, -1);
    EXPECT_TRUE(list.removeBySerial(2));
    EXPECT_FALSE(list.removeBySerial(2));
    EXPECT_EQ(list.getAt(1), &c);
    EXPECT_TRUE(list.removeObject(&a));
    EXPECT_EQ(list.count, 1);

    Entry16List table;
    EXPECT_EQ(table.elementSize, 16);
    EXPECT_EQ(table.growthStep, 50);
}

} // namespace
