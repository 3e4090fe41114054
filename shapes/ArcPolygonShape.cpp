#include "shapes/ArcPolygonShape.h"

ArcPolygonShape::ArcPolygonShape() { flattensArcs = 1; }
