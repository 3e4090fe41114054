#pragma once
#include "shapes/BreaklineShape.h"

// The polyline of lines and arcs: a point whose flag is Point::arcStart starts a circular arc
// through the next point to the one after it, drawn as points every 5 degrees (a flag without two
// points after it, or on three points in a line, is a plain vertex). It draws and writes like the
// breakline, PDF included, without corner rounding.
class ArcBreaklineShape : public BreaklineShape {
public:
    ArcBreaklineShape();
};
