#pragma once

// A direction vector of three doubles, without the flag word of Point and never kept in a point
// array. The measure and text shapes and the angle dimension hold their direction in one: they
// start at (1, 0, 0) and rotate it in the turning sense of every angle in the geometry, so that
// (1, 0, 0) turned by 90 degrees is (0, -1, 0) (y grows downwards).
class Point3 {
public:
    Point3() { set(0.0, 0.0, 0.0); }

    void set(double newX, double newY, double newZ)
    {
        x = newX;
        y = newY;
        z = newZ;
    }
    void setUnitX() { set(1.0, 0.0, 0.0); }
    void setUnitY() { set(0.0, 1.0, 0.0); }
    void setNegUnitX() { set(-1.0, 0.0, 0.0); }
    void setNegUnitY() { set(0.0, -1.0, 0.0); }

    // Turns (x, y) about the origin by the angle in degrees; z stays. Always 1.
    int rotate(double degrees);
    // Copies the other vector, then rotate; 0 for a null source.
    [[nodiscard]] int setRotated(const Point3* src, double degrees);

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
