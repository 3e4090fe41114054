#include "shapes/SplineShape.h"

#include <new>

#include "document/ShapeOp.h"
#include "geometry/BSplineCurve.h"
#include "geometry/GrayValue.h"
#include "geometry/LineCapAttribute.h"

SplineShape::~SplineShape()
{
    if (ownsCurve_)
        delete curve_;
}

void SplineShape::setCurve(BSplineCurve* shared)
{
    if (ownsCurve_)
        delete curve_;
    curve_ = shared;
    ownsCurve_ = 0;
}

int SplineShape::samplesFor(int operation)
{
    return operation == ShapeOp::Print || operation == ShapeOp::PostScript || operation == ShapeOp::Pdf
               ? kOutputSamples
               : kScreenSamples;
}

int SplineShape::sample(int operation, PointList& out)
{
    out.owner = source.owner;
    if (source.count < 3)
        return out.copyPoints(&source);
    if (!curve_) {
        curve_ = new (std::nothrow) BSplineCurve;
        if (!curve_)
            return 0;
        ownsCurve_ = 1;
    }
    curve_->setSamplesPerSpan(samplesFor(operation));
    return curve_->evaluate(&source, &out);
}

int SplineShape::fillLine(BreaklineShape& line, const PointList& polyline) const
{
    copyStrokeTo(line);
    line.setColour(lineColour);
    if (lineCaps)
        line.setCapStyle(lineCaps->capStyle);
    if (gray)
        line.setGrayValue(gray->value);
    line.setRotation(rotationAngle, rotationCentreX, rotationCentreY, rotationFourth);
    return line.setPoints(polyline);
}

int SplineShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    PointList polyline;
    if (!sample(operation, polyline))
        return 0;
    BreaklineShape line;
    if (!fillLine(line, polyline))
        return 0;
    return line.execute(operation, newMode);
}

int SplineShape::computeExactExtent(Point& lo, Point& hi)
{
    op = 0;
    PointList polyline;
    if (!sample(op, polyline))
        return 0;
    BreaklineShape line;
    return fillLine(line, polyline) && line.computeExactExtent(lo, hi);
}

int SplineShape::hitTest()
{
    PointList polyline;
    BreaklineShape line;
    return sample(ShapeOp::Draw, polyline) && fillLine(line, polyline) && line.hitTest();
}
