#pragma once
#include "shapes/ArcShape.h"

class RadiusList;

// A circle, or a circular arc, given by its centre, a radius (the first value of a radius list;
// 5.0 without one) and a start and an end angle (degrees, 0 and 360 without them; the point at
// angle a is (cx + r cos a, cy - r sin a)), drawn and written as the arc shape does, in the edge's
// colour and tint. A sweep of more than a turn is the full circle. The rotated preview (14) turns
// the centre and both angles. Angles or radii that are not finite or absurdly large draw nothing.
class CircleShape : public ArcShape {
public:
    CircleShape();
    ~CircleShape();

    void setCentre(const DrawPoint& p) { centrePoint = p; }
    void setRadiusList(const RadiusList& list);
    void setStartAngle(double degrees);
    void setEndAngle(double degrees);

    // Results as ArcShape::execute; a radius or angles that are unusable give 0 on a device.
    [[nodiscard]] int execute(int operation, int newMode);
    [[nodiscard]] int computeExtent(Point& lo, Point& hi);

    DrawPoint centrePoint;

private:
    // The arc from the placed centre, the radius and the angles; 0 for unusable values.
    [[nodiscard]] int setCircleArc();
    [[nodiscard]] int writePdf();
};
