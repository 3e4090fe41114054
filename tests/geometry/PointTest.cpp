// Points: measures, angles and constructions in the drawing's sense (y grows downwards, angles
// turn from +x towards -y), and the direction vector.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

#include "geometry/Point.h"
#include "geometry/Point3.h"

namespace {

Point pointWith(double x, double y, double z, uint32_t flag)
{
    Point p(x, y, z);
    p.flag = flag;
    return p;
}

TEST(Point, NewPointIsZeroAndNullArgumentsChangeNothing)
{
    Point p;
    EXPECT_EQ(p.x, 0.0);
    EXPECT_EQ(p.y, 0.0);
    EXPECT_EQ(p.z, 0.0);
    EXPECT_EQ(p.flag, 0u);

    Point q = pointWith(1, 2, 3, 2);
    EXPECT_EQ(q.assign(nullptr), 0);
    EXPECT_EQ(q.translateBy(nullptr), 0);
    EXPECT_EQ(q.setBoxPoint1(nullptr, &p), 0);
    EXPECT_EQ(q.setLineIntersection(&p, nullptr, &p, &p), 0);
    EXPECT_EQ(q.x, 1.0);
    EXPECT_EQ(q.flag, 2u);
    EXPECT_EQ(p.assign(&q), 1);
    EXPECT_EQ(p.z, 3.0);
    EXPECT_EQ(p.flag, 2u);
}

TEST(Point, ScalingByZeroDenominatorIsRefused)
{
    Point p(4, 6, 8);
    EXPECT_EQ(p.scaleXYZ(1, 2), 1);
    EXPECT_EQ(p.x, 2.0);
    EXPECT_EQ(p.z, 4.0);
    EXPECT_EQ(p.scaleX(3, 0), 0);
    EXPECT_EQ(p.x, 2.0);
    Point a(0, 0, 0), b(10, 20, 30);
    EXPECT_EQ(p.setBetween(&a, &b, 1, 0), 0);
    EXPECT_EQ(p.y, 3.0);
    EXPECT_EQ(p.setBetween(&a, &b, 1, 4), 1);
    EXPECT_EQ(p.x, 2.5);
    EXPECT_EQ(p.z, 7.5);
    EXPECT_EQ(p.setMidpoint(&a, &b), 1);
    EXPECT_EQ(p.y, 10.0);
}

TEST(Point, DirectionAnglesTurnFromPlusXTowardsMinusYAndLieInOneTurn)
{
    Point o;
    Point up(10, -1), down(10, 1), below(0, 10), left(-5, 0);
    EXPECT_NEAR(o.angleTo(&up), 5.7106, 1e-3);
    EXPECT_NEAR(o.angleTo(&down), 360.0 - 5.7106, 1e-3) << "[0, 360), not negative";
    EXPECT_NEAR(o.angleTo(&below), 270.0, 1e-9);
    EXPECT_NEAR(o.angleTo(&left), 180.0, 1e-9);

    // From the direction towards p1 to the direction towards p2.
    Point east(10, 0), north(0, -10);
    EXPECT_NEAR(o.angleBetween(&east, &north), 90.0, 1e-9);
    EXPECT_NEAR(o.angleBetween(&north, &east), 270.0, 1e-9);

    double ux = 7, uy = 7, angle = 7;
    EXPECT_NEAR(o.directionAndAngleTo(&below, &ux, &uy, &angle), 10.0, 1e-12);
    EXPECT_NEAR(ux, 0.0, 1e-12);
    EXPECT_NEAR(uy, 1.0, 1e-12);
    EXPECT_NEAR(angle, 270.0, 1e-9);

    // Closer than 1e-5: the outputs stay as they were.
    ux = uy = angle = 7;
    Point near(0, 5e-6);
    EXPECT_LT(o.directionAndAngleTo(&near, &ux, &uy, &angle), 1e-5);
    EXPECT_EQ(ux, 7.0);
    EXPECT_EQ(angle, 7.0);
}

TEST(Point, AnglesOfNonFiniteOrHugeCoordinatesReturn)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Point o, a(nan, 1), b(1e300, -1e300), c(-1e300, 1e-300);
    (void)o.angleTo(&a);
    (void)o.angleBetween(&a, &b);
    (void)o.angleBetween(&b, &c);
    double angle = b.angleTo(&c);
    EXPECT_GE(angle, 0.0);
    EXPECT_LT(angle, 360.0);
}

TEST(Point, MeasuresInPlaneSpaceAndUnits)
{
    Point a(1, 2, 3), b(4, 6, 15);
    EXPECT_DOUBLE_EQ(a.distanceTo(&b, 2), 5.0);
    EXPECT_DOUBLE_EQ(a.distanceTo(&b, 3), 13.0);
    double dx = 0, dy = 0;
    EXPECT_DOUBLE_EQ(b.deltaTo(&a, &dx, &dy), 5.0);
    EXPECT_EQ(dx, 3.0);
    EXPECT_EQ(dy, 4.0);

    Point p(0, 0), q(25.4, 50.8);
    EXPECT_NEAR(p.distanceInUnit(&q, 2, &dx, &dy), std::sqrt(5.0), 1e-12); // inches
    EXPECT_NEAR(dx, 1.0, 1e-12);
    EXPECT_NEAR(dy, 2.0, 1e-12);
}

TEST(Point, SegmentSideTellsWhichEndThePointLiesBeyond)
{
    Point p1(0, 0), p2(10, 0);
    Point beyondP2(15, 1), beyondP1(-3, 0), over(4, 3), mid(5, 100);
    EXPECT_EQ(beyondP2.segmentSide(&p1, &p2), 2);
    EXPECT_EQ(beyondP1.segmentSide(&p1, &p2), 1);
    EXPECT_EQ(over.segmentSide(&p1, &p2), 0);
    EXPECT_EQ(mid.segmentSide(&p1, &p2), 0) << "equidistant from both ends";

    // Ends whose differences round differently in binary: still equidistant.
    Point q1(0.1, 0.2), q2(0.3, 0.2), q(0.2, 50.0);
    EXPECT_EQ(q.segmentSide(&q1, &q2), 0);
}

TEST(Point, CircumcentreOfThreePointsAndOfCollinearOnes)
{
    Point a(6, 2), b(1, -3), c(-4, 2); // on the circle of radius 5 about (1, 2)
    Point centre(9, 9, 4);
    centre.flag = 2;
    EXPECT_NEAR(centre.setCircumcentre(&a, &b, &c), 5.0, 1e-12);
    EXPECT_NEAR(centre.x, 1.0, 1e-12);
    EXPECT_NEAR(centre.y, 2.0, 1e-12);
    EXPECT_EQ(centre.z, 4.0);
    EXPECT_EQ(centre.flag, 2u);

    Point keep(9, 9);
    Point d(0, 0), e(1, 1), f(2, 2);
    EXPECT_EQ(keep.setCircumcentre(&d, &e, &f), 0.0);
    EXPECT_EQ(keep.x, 9.0);
}

TEST(Point, BoxHandlesRunFromTheFirstCornerAlongItsEdge)
{
    Point p1(0, 0), p2(10, 20), h(0, 0, 5);
    int (Point::*handles[8])(const Point*, const Point*) = {
        &Point::setBoxPoint1, &Point::setBoxPoint2, &Point::setBoxPoint3, &Point::setBoxPoint4,
        &Point::setBoxPoint5, &Point::setBoxPoint6, &Point::setBoxPoint7, &Point::setBoxPoint8};
    const double expected[8][2] = {{0, 0}, {5, 0}, {10, 0}, {10, 10}, {10, 20}, {5, 20}, {0, 20}, {0, 10}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ((h.*handles[i])(&p1, &p2), 1);
        EXPECT_EQ(h.x, expected[i][0]) << "handle " << i + 1;
        EXPECT_EQ(h.y, expected[i][1]) << "handle " << i + 1;
        EXPECT_EQ(h.z, 5.0);
    }
    Point lo, hi, c(10, 10);
    EXPECT_EQ(c.boxAroundCentre(4, 6, &lo, &hi), 1);
    EXPECT_EQ(lo.x, 8.0);
    EXPECT_EQ(lo.y, 7.0);
    EXPECT_EQ(hi.x, 12.0);
    EXPECT_EQ(hi.y, 13.0);
}

TEST(Point, RotationTurnsTowardsMinusY)
{
    Point p(11, 5, 3), c(10, 5);
    p.flag = 2;
    EXPECT_EQ(p.rotateAboutPoint(&c, 90), 1);
    EXPECT_NEAR(p.x, 10.0, 1e-12);
    EXPECT_NEAR(p.y, 4.0, 1e-12);
    EXPECT_EQ(p.z, 3.0);
    EXPECT_EQ(p.flag, 2u);

    Point q;
    EXPECT_EQ(q.setPolar(&c, 2, 270), 1);
    EXPECT_NEAR(q.x, 10.0, 1e-12);
    EXPECT_NEAR(q.y, 7.0, 1e-12);
    Point src(12, 5);
    EXPECT_EQ(q.setRotated(&src, &c, 180), 1);
    EXPECT_NEAR(q.x, 8.0, 1e-12);
    EXPECT_NEAR(q.y, 5.0, 1e-12);
}

TEST(Point, IntersectionsFailOnParallelOrDegenerateLinesAndLeaveThePoint)
{
    Point a(0, 0), b(10, 10), c(0, 10), d(10, 0);
    Point x(-1, -1, 7);
    EXPECT_EQ(x.setLineIntersection(&a, &b, &c, &d), 1);
    EXPECT_NEAR(x.x, 5.0, 1e-12);
    EXPECT_NEAR(x.y, 5.0, 1e-12);
    EXPECT_EQ(x.z, 7.0);

    Point e(0, 1), f(10, 11), same(0, 0), keep(3, 4);
    EXPECT_EQ(keep.setLineIntersection(&a, &b, &e, &f), 0) << "parallel";
    EXPECT_EQ(keep.setLineIntersection(&a, &same, &c, &d), 0) << "degenerate";
    EXPECT_EQ(keep.x, 3.0);
    EXPECT_EQ(keep.y, 4.0);

    // The copying form leaves the copied source when the lines do not meet.
    Point src(8, 9);
    EXPECT_EQ(keep.setLineIntersectionCopy(&a, &b, &e, &f, &src), 0);
    EXPECT_EQ(keep.x, 8.0);
    EXPECT_EQ(keep.setLineIntersectionCopy(&a, &b, &c, &d, &src), 1);
    EXPECT_NEAR(keep.y, 5.0, 1e-12);

    // Point and direction forms.
    Point p(0, 2), q(3, 0), u(1, 0), v(0, 1);
    EXPECT_EQ(x.setRayIntersection(&p, &u, &q, &v), 1);
    EXPECT_NEAR(x.x, 3.0, 1e-12);
    EXPECT_NEAR(x.y, 2.0, 1e-12);
    EXPECT_EQ(x.setPointDirIntersection(&p, 1, 0, &q, 1, 0), 0);
    EXPECT_EQ(x.setRayIntersection(&p, nullptr, &q, &v), 0);
}

TEST(Point, OffsetsAlongAndAcrossALine)
{
    Point p1(0, 0), p2(10, 0), base(5, 0);
    Point t;
    EXPECT_EQ(t.setAtDistanceAlong(&p1, &p2, &base, 2), 1);
    EXPECT_NEAR(t.x, 7.0, 1e-12);
    EXPECT_EQ(t.setPerpendicularOffset(&p1, &p2, &base, 2), 1);
    EXPECT_NEAR(t.x, 5.0, 1e-12);
    EXPECT_NEAR(t.y, -2.0, 1e-12) << "turned +90 degrees: towards -y";

    Point m(1, 1);
    EXPECT_EQ(m.moveAlong(&p1, &p2, 3), 1);
    EXPECT_NEAR(m.x, 4.0, 1e-12);
    EXPECT_EQ(m.movePerpendicular(&p1, &p2, 1), 1);
    EXPECT_NEAR(m.y, 0.0, 1e-12);

    Point s(10, 0);
    EXPECT_EQ(s.setAtDistanceFrom(&p1, 3), 1);
    EXPECT_NEAR(s.x, 3.0, 1e-12);

    Point keep(4, 4);
    EXPECT_EQ(keep.setAtDistanceAlong(&p1, &p1, &base, 2), 0);
    EXPECT_EQ(keep.setPerpendicularOffset(&p1, &p1, &base, 2), 0);
    EXPECT_EQ(keep.x, 4.0);
    Point coincident(0, 0);
    EXPECT_EQ(coincident.setAtDistanceFrom(&p1, 3), 0);

    // The corner of the polyline (0,0)-(10,0)-(10,10) offset by 1.
    Point p3(10, 10), corner;
    EXPECT_EQ(corner.setOffsetVertex(&p1, &p2, &p3, 1), 1);
    EXPECT_NEAR(corner.x, 11.0, 1e-9);
    EXPECT_NEAR(corner.y, -1.0, 1e-9);
    Point straight(20, 0);
    EXPECT_EQ(corner.setOffsetVertex(&p1, &p2, &straight, 1), 0) << "the moved lines are parallel";
}

TEST(Point, FootOfThePerpendicularAndDiagonals)
{
    Point p1(0, 0), p2(10, 0), p3(3, 7), foot(0, 0, 2);
    EXPECT_EQ(foot.setPerpendicularFoot(&p1, &p2, &p3), 1);
    EXPECT_NEAR(foot.x, 3.0, 1e-9);
    EXPECT_NEAR(foot.y, 0.0, 1e-9);
    EXPECT_EQ(foot.z, 2.0);

    Point q(4, -5), a(0, 0), b(8, 8);
    EXPECT_EQ(q.projectOntoLine(&a, &b), 1);
    EXPECT_NEAR(q.x, -0.5, 1e-9);
    EXPECT_NEAR(q.y, -0.5, 1e-9);
    EXPECT_EQ(q.projectOntoLine(&a, &a), 0);

    Point d(3, 1), o(0, 0);
    EXPECT_EQ(d.makeDiagonalY(&o), 1);
    EXPECT_EQ(d.y, 3.0);
    Point e(-3, -1);
    EXPECT_EQ(e.makeDiagonalY(&o), 1);
    EXPECT_EQ(e.y, -3.0);
    Point f(5e-6, 9);
    EXPECT_EQ(f.makeDiagonalY(&o), 0);
    EXPECT_EQ(f.y, 9.0);
    Point g(1, -4);
    EXPECT_EQ(g.makeDiagonalX(&o), 1);
    EXPECT_EQ(g.x, 4.0);
}

TEST(Point3, RotationTurnsTheDirectionVector)
{
    Point3 v;
    EXPECT_EQ(v.x, 0.0);
    v.setUnitX();
    Point3 w;
    w.z = 0;
    Point3 src;
    src.set(1, 0, 2.5);
    EXPECT_EQ(w.setRotated(&src, 90), 1);
    EXPECT_NEAR(w.x, 0.0, 1e-12);
    EXPECT_NEAR(w.y, -1.0, 1e-12);
    EXPECT_EQ(w.z, 2.5);
    EXPECT_EQ(v.rotate(-90), 1);
    EXPECT_NEAR(v.y, 1.0, 1e-12);

    Point3 u;
    u.set(0.3, -0.7, 1);
    EXPECT_EQ(u.rotate(0), 1);
    EXPECT_EQ(u.x, 0.3);
    EXPECT_EQ(u.y, -0.7);
    EXPECT_EQ(w.setRotated(nullptr, 10), 0);
}

} // namespace
