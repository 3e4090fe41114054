// The element kinds' operations through their shapes: each runner makes the kind's shape, fills
// it with the element's context, layer, colour, points and attributes, places it and runs it once.
#include "shapes/ElementShapes.h"

#include "elements/ElementKind.h"
#include "elements/ElementShapeRunners.h"
#include "elements/LineElement.h"
#include "elements/OvalType.h"
#include "geometry/GrayValue.h"
#include "geometry/InkColor.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "shapes/LineShape.h"
#include "shapes/OvalShape.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LeanAttribute.h"

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

int runOvalShape(Element& oval, int operation, const double offset[3], const double* rotation)
{
    OvalShape shape;
    shape.context = oval.context;
    shape.layer = oval.layer;
    if (oval.edge())
        shape.setEdge(*oval.edge());
    if (oval.fill())
        shape.setFill(*oval.fill());
    if (oval.hatch())
        shape.setHatch(*oval.hatch());
    if (oval.firstPoint())
        shape.setStartPoint(*oval.firstPoint());
    if (oval.secondPoint())
        shape.setEndPoint(*oval.secondPoint());
    if (oval.lean())
        shape.setLean(*oval.lean());
    if (oval.lineWidth())
        shape.setWidth(oval.lineWidth()->width);
    if (oval.linePosition())
        shape.setPosition(oval.linePosition()->position);
    if (oval.lineType())
        shape.setLineStyle(*oval.lineType());
    if (oval.ovalType())
        shape.setOvalType(*oval.ovalType());
    shape.setOffset(offset[0], offset[1], offset[2]);
    if (rotation)
        shape.setRotation(rotation[0], rotation[1], rotation[2], rotation[3]);
    return shape.execute(operation, 2);
}

OvalArcShape ovalGeometry(const Point& a, const Point& b, int type)
{
    OvalArcShape geometry;
    geometry.setPoints(a, b);
    geometry.setType(type);
    return geometry;
}

int ovalOutline(const Point& a, const Point& b, int type, double grow, int closed, PointArray& out)
{
    OvalArcShape geometry = ovalGeometry(a, b, type);
    if (grow != 0.0)
        geometry.growForKind(grow);
    return closed ? geometry.buildClosedOutline(out) : geometry.buildOutline(out);
}

int ovalAxes(const Point& a, const Point& b, int type, double axes[2], Point& centre)
{
    const OvalArcShape geometry = ovalGeometry(a, b, type);
    return geometry.axisLengths(axes[0], axes[1]) && geometry.centrePoint(centre);
}

} // namespace

void installElementShapes()
{
    elementShapeRunners[kindCode(ElementKind::Line) - 1] = runLineShape;
    elementShapeRunners[kindCode(ElementKind::Oval) - 1] = runOvalShape;
    ovalOutlineHook = ovalOutline;
    ovalAxesHook = ovalAxes;
}
