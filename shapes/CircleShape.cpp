#include "shapes/CircleShape.h"

#include <cmath>

#include "geometry/AngleTurns.h"
#include "geometry/DoubleValue.h"
#include "geometry/EdgeAttributes.h"
#include "shapes/RadiusList.h"

namespace {
// Without a radius list, a start or an end angle.
const double kDefaultRadius = 5.0;
const double kDefaultStart = 0.0;
const double kDefaultEnd = 360.0;
} // namespace

CircleShape::CircleShape()
{
    // Without an edge (it could not be made) the circle takes the arc's colour.
    (void)ensure(edge);
}

CircleShape::~CircleShape()
{
    release(edge);
    release(radii);
    release(firstDouble);
    release(secondDouble);
}

void CircleShape::setRadiusList(const RadiusList& list)
{
    if (ensure(radii))
        (void)radii->copyFrom(&list); // always 1 for a source
}

void CircleShape::setStartAngle(double degrees)
{
    if (ensure(firstDouble))
        firstDouble->assign(degrees);
}

void CircleShape::setEndAngle(double degrees)
{
    if (ensure(secondDouble))
        secondDouble->assign(degrees);
}

int CircleShape::setCircleArc()
{
    Point c = centrePoint;
    double start = firstDouble ? firstDouble->value : kDefaultStart;
    double end = secondDouble ? secondDouble->value : kDefaultEnd;
    if (!isUsableAngle(start) || !isUsableAngle(end))
        return 0;
    // The rotated preview turns the opening with the centre.
    if (hasRotation()) {
        c.rotateAbout(rotationCentreX, rotationCentreY, rotationAngle);
        start += rotationAngle;
        end += rotationAngle;
    }
    c.x += offsetX;
    c.y += offsetY;
    c.z += offsetZ;
    if (!std::isfinite(c.x) || !std::isfinite(c.y))
        return 0;
    arc.centre = c;
    arc.radius = radii ? radii->first() : kDefaultRadius;
    arc.startAngle = start;
    arc.endAngle = end - start > 360.0 ? start + 360.0 : end;
    arc.direction = 1;
    return 1;
}

int CircleShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    if (op == ShapeOp::Pdf)
        return writePdf();
    if (!prepareOperation(lineWidth()))
        return 0;
    setStrokeFactors(position());
    effectiveEdgeColor(op, effectiveColour);
    const int usable = setCircleArc();
    if (op == ShapeOp::PostScript) {
        if (usable && radiusIsDrawable())
            writePostScript();
        return 1;
    }
    if (!usable)
        return 0;
    if (!radiusIsDrawable())
        return 1;
    updateDevicePenWidth(lineWidth());
    return arc.sampleByAngle(&source, kStepDegrees) && drawFlattened();
}

int CircleShape::writePdf()
{
    if (!pdfBindAttributes())
        return 1;
    setStrokeFactors(position());
    if (!setCircleArc() || !radiusIsDrawable() || !arc.sampleByAngle(&source, kStepDegrees))
        return 1;
    const int coloured =
        edge ? pdfSetStrokeColor(edge->colour, edge->gray.value) : pdfSetStrokeColorFromGray(lineColour, gray);
    if (coloured)
        writePdfLines();
    return 1;
}

int CircleShape::computeExtent(Point& lo, Point& hi)
{
    setStrokeFactors(position());
    return setCircleArc() && radiusIsDrawable() && arc.sampleByAngle(&source, kStepDegrees) &&
           flattenedExtent(lo, hi);
}
