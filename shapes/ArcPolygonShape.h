#pragma once
#include "shapes/PolygonShape.h"

// The closed area of lines and arcs: a point whose flag is Point::arcStart starts a circular arc
// through the next point to the one after it, drawn as points every 5 degrees (a flag without two
// points after it, or on three points in a line, is a plain vertex). It fills, hatches, outlines
// and writes like the polygon, PDF included, without corner rounding.
class ArcPolygonShape : public PolygonShape {
public:
    ArcPolygonShape();
};
