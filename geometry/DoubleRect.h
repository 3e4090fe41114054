#pragma once

class Point;

// An axis-aligned rectangle of doubles: extents and overlap tests in drawing coordinates (y grows
// downwards, so the minimum y is the top). The field order is y first, as stored records and
// the image readers expect: minimum y, minimum x, maximum x, maximum y.
//
// The overlap tests take an `inclusive` switch: inclusive, touching edges count as overlap; strict,
// they do not.
class DoubleRect {
public:
    DoubleRect() = default;

    void clear() { minY = minX = maxX = maxY = 0.0; }
    void set(double newMinY, double newMinX, double newMaxX, double newMaxY)
    {
        minY = newMinY;
        minX = newMinX;
        maxX = newMaxX;
        maxY = newMaxY;
    }
    // The normalised rectangle of two corner points; 0 for a null point.
    [[nodiscard]] int setFromCorners(const Point* p1, const Point* p2);
    // setFromCorners, then all four values * num / den when den >= 0.1 (unscaled otherwise).
    [[nodiscard]] int setFromCornersScaled(const Point* p1, const Point* p2, double num, double den);

    [[nodiscard]] double width() const { return maxX - minX; }
    [[nodiscard]] double height() const { return maxY - minY; }
    // Corners (min x, min y), (max x, min y), (max x, max y), (min x, max y).
    void getCornerArrays(double xs[4], double ys[4]) const;

    // Whether the span a..b of x (of y) meets the rectangle's.
    [[nodiscard]] int overlapsX(double a, double b, int inclusive) const;
    [[nodiscard]] int overlapsY(double a, double b, int inclusive) const;
    [[nodiscard]] int overlapsOtherX(const DoubleRect* other, int inclusive) const;
    [[nodiscard]] int overlapsOtherY(const DoubleRect* other, int inclusive) const;
    [[nodiscard]] int containsXY(double x, double y, int inclusive) const;
    [[nodiscard]] int intersects(const DoubleRect* other, int inclusive) const;

    double minY = 0.0;
    double minX = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;
};
