#pragma once

// The program's numeric conventions: the tolerance by which doubles are compared, angles in
// degrees and their normalisation to whole turns, rotation of points, line and circle
// constructions, and small integer and double helpers. Geometry, shapes, elements, rotated text
// and colour tints all go through it, so its tolerances and argument orders are shared behaviour.
//
// Angles are degrees unless a name says radians. The point at angle a on a circle of radius r
// about (cx, cy) is (cx + r cos a, cy - r sin a): y grows downwards. Integer results of double
// computations are truncated toward zero (and saturate at the int range).
//
// The class is stateless. The application keeps one instance in theMathUtil; the operations are
// static so that the library's own code can use them without the instance.
class MathUtil {
public:
    // Tolerance for `digits`: 1e-5 when digits <= 0, else 10^-digits (2 gives 0.01).
    [[nodiscard]] static double tolerance(int digits);
    [[nodiscard]] static int isAtLeastTolerance(double v, int digits = 0);
    [[nodiscard]] static int isAtMostMinusTolerance(double v, int digits = 0);
    // Neither of the two above: -tolerance < v < tolerance. NaN counts as nearly zero, so a
    // construction fed NaN reports itself degenerate instead of returning NaN coordinates.
    [[nodiscard]] static int isNearlyZero(double v, int digits = 0);
    [[nodiscard]] static int isNearlyEqual(double a, double b, int digits = 0) { return isNearlyZero(a - b, digits); }
    [[nodiscard]] static int isWithin(double a, double b, double eps);
    [[nodiscard]] static int isInRange(int v, int lo, int hi, int inclusive);

    [[nodiscard]] static int absDiffInt(int a, int b);
    [[nodiscard]] static double absDiffDouble(double a, double b);
    [[nodiscard]] static double absDouble(double v);
    // The first argument wins a tie.
    [[nodiscard]] static int maxInt(int a, int b) { return a >= b ? a : b; }
    [[nodiscard]] static int minInt(int a, int b) { return a <= b ? a : b; }
    [[nodiscard]] static double maxDouble(double a, double b) { return a >= b ? a : b; }
    [[nodiscard]] static double minDouble(double a, double b) { return a <= b ? a : b; }
    [[nodiscard]] static int midpointInt(int a, int b);
    // (b - a) * num / den + a; a when den is 0.
    [[nodiscard]] static int lerpInt(int a, int b, int num, int den);
    [[nodiscard]] static double lerpDouble(double a, double b, double num, double den);
    // One step of an integer bisection: the lower form moves hi to mid, the upper form lo to mid;
    // mid becomes the new midpoint. Both return 1 while lo < mid < hi.
    [[nodiscard]] static int bisectLower(int& lo, int& mid, int& hi);
    [[nodiscard]] static int bisectUpper(int& lo, int& mid, int& hi);
    // v scaled by 10^digits, plus 0.5, truncated toward zero, scaled back: -2.5 gives -2.
    [[nodiscard]] static double roundTo(double v, int digits);
    [[nodiscard]] static double truncate(double v);
    [[nodiscard]] static double remainder(double a, double b);
    // While v > hi subtract step, then while v < lo add step (computed, not looped); nothing
    // happens for a step of 0 or less or a non-finite value.
    [[nodiscard]] static double wrapIntoRange(double v, double lo, double hi, double step);
    static void swapDoubles(double& a, double& b);
    static void sortPair(double& a, double& b);
    static void sortDoubles(double* values, int n);
    // A double truncated toward zero into the int range (NaN gives 0).
    [[nodiscard]] static int truncateToInt(double v);

    [[nodiscard]] static double sqrt(double v);
    [[nodiscard]] static double hypot(double dx, double dy);
    [[nodiscard]] static double distance(double x1, double y1, double x2, double y2);
    [[nodiscard]] static int distanceInt(int x1, int y1, int x2, int y2);
    [[nodiscard]] static double distance3(double x1, double y1, double z1, double x2, double y2, double z2);
    // Return the length L; the unit direction is stored only when L >= 1e-5.
    [[nodiscard]] static double unitVector(double x1, double y1, double x2, double y2, double& ux, double& uy);
    [[nodiscard]] static int unitVectorInt(int x1, int y1, int x2, int y2, double& ux, double& uy);
    [[nodiscard]] static double unitVector3(double x1, double y1, double z1, double x2, double y2, double z2, double& ux,
                              double& uy, double& uz);
    [[nodiscard]] static double unitVectorAndAngle(double x1, double y1, double x2, double y2, double& ux, double& uy,
                                     double& angle);
    static void movePoint(double x, double y, double d, double a, double b, double& outX, double& outY);
    static void movePointInt(int x, int y, double d, double a, double b, int& outX, int& outY);
    static void movePointInPlace(double a, double b, double d, int& x, int& y);

    [[nodiscard]] static double pi();
    [[nodiscard]] static double degreesToRadians(double degrees);
    [[nodiscard]] static double radiansToDegrees(double radians);
    [[nodiscard]] static double sin(double radians);
    [[nodiscard]] static double cos(double radians);
    [[nodiscard]] static double acos(double v);
    [[nodiscard]] static double asin(double v);
    static void sinCosDegrees(double degrees, double& sine, double& cosine);
    static void cosSinDegrees(double degrees, double& cosine, double& sine);
    // Moves the point by d along (cos, sin) of the angle.
    static void movePointByAngle(double degrees, double d, double& x, double& y);
    // Into [0, 360); a non-finite angle is returned as it is.
    [[nodiscard]] static double normalizeAngle(double degrees);
    // x = cx + dx cos + dy sin, y = cy + dy cos - dx sin, with (dx, dy) the point minus the centre.
    static void rotatePointAbout(double cx, double cy, double& x, double& y, double degrees);
    static void rotatePoint(double& x, double& y, double degrees);
    // The point (x0 + d, y0) rotated about (x0, y0) by the angle.
    static void pointAtAngle(double x0, double y0, double d, double degrees, double& x, double& y);
    // Angle of the direction from point 1 to point 2, in (-45, 315]: directions less than 45
    // degrees below the positive x axis come out negative.
    [[nodiscard]] static double lineAngle(double x1, double y1, double x2, double y2);
    [[nodiscard]] static double angleAtRadius(double cx, double cy, double r, double x, double y);
    [[nodiscard]] static double sweepAngle(double x1, double y1, double cx, double cy, double x2, double y2);
    // 1 when going from the start point in increasing angle meets the middle point before the end
    // point, -1 when after it, 0 when undecided.
    [[nodiscard]] static int arcDirection(double cx, double cy, double r, double x1, double y1, double x2, double y2, double x3,
                            double y3);
    // direction >= 1: end by whole turns into (start, start + 360]; < 0: into [start - 360, start).
    static void placeEndAngle(int direction, double& start, double& end);
    // Makes the angles of an arc through three points monotonic within one turn; -1.0 when the
    // arc runs with decreasing angles, else 1.0.
    [[nodiscard]] static double orderArcAngles(double& start, double& middle, double& end);

    // Constructions: 1 on success; 0 when degenerate, with the outputs left alone.
    [[nodiscard]] static int pointAlongLine(double x1, double y1, double x2, double y2, double x0, double y0, double d, double& x,
                              double& y);
    [[nodiscard]] static int pointAcrossLine(double x1, double y1, double x2, double y2, double x0, double y0, double d, double& x,
                               double& y);
    [[nodiscard]] static int intersectLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                              double& x, double& y);
    [[nodiscard]] static int intersectRays(double x1, double y1, double dx1, double dy1, double x2, double y2, double dx2,
                             double dy2, double& x, double& y);
    [[nodiscard]] static int circleThrough(double x1, double y1, double x2, double y2, double x3, double y3, double& cx,
                             double& cy, double& r);
};

extern MathUtil* theMathUtil;
