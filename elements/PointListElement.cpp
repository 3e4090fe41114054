// The operations that the breakline, spline and polygon kinds share.
#include "elements/PointListElement.h"

#include <cmath>

#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "elements/ElementShapes.h"
#include "elements/VertexEditing.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/PointList.h"

// --- extent and picks ---

void PointListElement::computeExtent(int mode)
{
    PointList* points = vertices();
    if (!points || points->count < 1)
        return;
    if (mode == 1) {
        shared_body::preparePointList(*this);
        Point lo, hi;
        if (runElementExtent(*this, lo, hi)) {
            static_cast<Point&>(extentMin) = lo;
            static_cast<Point&>(extentMax) = hi;
            return;
        }
    }
    double w = lineWidth() ? lineWidth()->width * scaleDenominator() / scaleNumerator() : 0.0;
    if (!std::isfinite(w) || w < 0.0)
        w = 0.0;
    Point lo, hi;
    if (!points->getBounds(&lo, &hi))
        return;
    static_cast<Point&>(extentMin) = Point(lo.x - w, lo.y - w, lo.z - w);
    static_cast<Point&>(extentMax) = Point(hi.x + w, hi.y + w, hi.z + w);
}

int PointListElement::hitTestExtent() { return shared_body::hitTestExactExtent(*this); }

int PointListElement::hitTest()
{
    if (!selectTool() || !vertices())
        return 0;
    shared_body::preparePointList(*this);
    return runElementHitTest(*this);
}

int PointListElement::hitHandle(int* handle, int* flag) { return shared_body::hitHandleOfExactExtent(*this, handle, flag); }

int PointListElement::isInSelectionArea() { return shared_body::isExactExtentInSelectionArea(*this); }

// --- drawing ---

int PointListElement::execute(int operation, double x, double y, double z)
{
    shared_body::preparePointList(*this);
    const double offset[3] = {x, y, z};
    return runElementShape(*this, operation, offset, nullptr);
}

void PointListElement::showPickHandles()
{
    computeExtent(1);
    handleFlags.setAll();
    drawHandleMarks();
}

void PointListElement::showPickColour()
{
    if (forwardOp(ShapeOp::ShowPicked))
        shared_body::drawVertexMarks(*this, ShapeOp::ShowPicked);
}

void PointListElement::showPickMarks()
{
    if (forwardOp(ShapeOp::ShowPickMarks))
        shared_body::drawVertexMarks(*this, ShapeOp::ShowPicked);
}

void PointListElement::drawRotatedPreview(double angle, double centreX, double centreY, double fourth)
{
    shared_body::preparePointList(*this);
    shared_body::drawRotatedPreview(*this, angle, centreX, centreY, fourth);
}

void PointListElement::repaintPicked() { shared_body::repaintPicked(*this); }

// --- geometry, editing and snaps ---

void PointListElement::translate(double dx, double dy, double dz) { shared_body::translatePoints(*this, dx, dy, dz); }
void PointListElement::rotate(double angle, double centreX, double centreY, double)
{
    shared_body::rotatePoints(*this, angle, centreX, centreY);
}
void PointListElement::setPoint(int index, double x, double y, double z)
{
    shared_body::setListPoint(*this, index, x, y, z);
}
void PointListElement::scale(double factor, const Point& centre, int flags)
{
    shared_body::scalePoints(*this, factor, centre, flags);
}
void PointListElement::clearPoints() { shared_body::clearPoints(*this); }
void PointListElement::appendPoint(double x, double y, double z) { shared_body::appendPoint(*this, x, y, z); }
DoubleArray* PointListElement::getVertexRounding() { return vertexRounding(); }

int PointListElement::editByMouse() { return shared_body::editVertexByMouse(*this, minimumVertices()); }
int PointListElement::dragHandle(int handle) { return shared_body::dragVertexHandle(*this, handle); }
int PointListElement::snapToNearestPoint(Point* p) { return shared_body::snapToNearestListPoint(*this, p); }
int PointListElement::snapToKeyPoint(Point* p) { return snapToNearestPoint(p); }

void PointListElement::setLineWidth(const LineSizeAttribute& value) { shared_body::setLineWidth(*this, value); }
void PointListElement::setLinePosition(const LineOriginAttribute& value) { shared_body::setLinePosition(*this, value); }
void PointListElement::setLineStyle(const LineTypeAttribute& value) { shared_body::setLineStyle(*this, value); }

// --- the record and the file ---

int PointListElement::exchangePointsAndStroke(int mode, ElementRecordBuffer& buffer, int withRounding)
{
    if (!vertices() || (withRounding && !vertexRounding()) || !lineWidth() || !linePosition() || !lineType())
        return 0;
    if (mode == 1) {
        return vertices()->serialize(1, buffer, 3, 1) && (!withRounding || vertexRounding()->exchangeRecord(1, buffer)) &&
               lineWidth()->exchangeRecord(1, buffer) && buffer.putInt(linePosition()->position) &&
               lineType()->exchangeRecord(1, buffer);
    }
    // A record without the list leaves none in memory either.
    if (!withRounding && vertexRounding())
        vertexRounding()->count = 0;
    int32_t position = 0;
    if (!vertices()->serialize(3, buffer, 3, 1) || (withRounding && !vertexRounding()->exchangeRecord(3, buffer)) ||
        !lineWidth()->exchangeRecord(3, buffer) || !buffer.getInt(position) || !lineType()->exchangeRecord(3, buffer))
        return 0;
    linePosition()->position = position;
    return 1;
}

int PointListElement::readPointsAndStroke(const Element& holder)
{
    if (lineWidth())
        lineWidth()->assign(holder.lineWidth());
    if (linePosition())
        linePosition()->assign(holder.linePosition());
    if (lineType() && holder.lineType())
        lineType()->LineStyle::assign(holder.lineType());
    if (vertices() && holder.vertices() && !vertices()->copyPoints(holder.vertices()))
        return 0;
    return !vertexRounding() || !holder.vertexRounding() || vertexRounding()->copyFrom(holder.vertexRounding());
}
