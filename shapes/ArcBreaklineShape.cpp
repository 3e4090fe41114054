#include "shapes/ArcBreaklineShape.h"

ArcBreaklineShape::ArcBreaklineShape() { flattensArcs = 1; }
