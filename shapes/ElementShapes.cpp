// The element kinds' operations through their shapes: each runner makes the kind's shape, fills
// it with the element's context, layer, colour, points and attributes, places it and runs it once.
#include "shapes/ElementShapes.h"

#include "elements/ElementKind.h"
#include "elements/ElementShapeRunners.h"
#include "elements/LineElement.h"
#include "geometry/GrayValue.h"
#include "geometry/InkColor.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "shapes/LineShape.h"

namespace {

int runLineShape(Element& line, int operation, const double offset[3], const double* rotation)
{
    LineShape shape;
    shape.context = line.context;
    shape.layer = line.layer;
    if (line.colour())
        shape.setColour(*line.colour());
    if (line.firstPoint() && line.secondPoint())
        shape.setPoints(*line.firstPoint(), *line.secondPoint());
    if (line.lineWidth())
        shape.setWidth(line.lineWidth()->width);
    if (line.linePosition())
        shape.setPosition(line.linePosition()->position);
    if (line.lineType())
        shape.setLineStyle(*line.lineType());
    if (line.lineCap())
        shape.setCapStyle(line.lineCap()->capStyle);
    if (line.gray())
        shape.setGrayValue(line.gray()->value);
    shape.setOffset(offset[0], offset[1], offset[2]);
    if (rotation)
        shape.setRotation(rotation[0], rotation[1], rotation[2], rotation[3]);
    return shape.execute(operation, 2);
}

} // namespace

void installElementShapes() { elementShapeRunners[kindCode(ElementKind::Line) - 1] = runLineShape; }
