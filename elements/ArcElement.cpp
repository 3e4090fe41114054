// The arc element: its record, extent, shape, picks, geometry, queries, file section and DXF
// entity. The mouse input is in ArcElementInput.cpp.
#include "elements/ArcElement.h"

#include <cmath>
#include <initializer_list>
#include <iterator>
#include <new>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "elements/DxfFile.h"
#include "elements/ElementShapes.h"
#include "elements/LineElement.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/InkColor.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/TagIds.h"
#include "geometry/ThreePointArc.h"

namespace {
constexpr ElementAttribute kArcAttributes[] = {
    ElementAttribute::colour,    ElementAttribute::firstPoint,   ElementAttribute::secondPoint,
    ElementAttribute::thirdPoint, ElementAttribute::lineWidth,   ElementAttribute::linePosition,
    ElementAttribute::lineType,
};
} // namespace

Element* newArcElement() { return new (std::nothrow) ArcElement; }

ArcElement::ArcElement() = default;

ArcElement::~ArcElement() { teardown(); }

void ArcElement::initialize() { shared_body::ensureAttributes(*this, kArcAttributes, std::size(kArcAttributes)); }

void ArcElement::teardown() { shared_body::releaseAttributes(*this, kArcAttributes, std::size(kArcAttributes)); }

void ArcElement::bindPoints()
{
    shared_body::bindTwoPoints(*this);
    if (thirdPoint())
        thirdPoint()->owner = context;
}

int ArcElement::threePointArc(ThreePointArc& arc) const
{
    if (!firstPoint() || !secondPoint() || !thirdPoint())
        return 0;
    arc.start = *firstPoint();
    arc.end = *secondPoint();
    arc.middle = *thirdPoint();
    return arc.computeCentre();
}

int ArcElement::isValidArc()
{
    ThreePointArc arc;
    return threePointArc(arc) && arc.radius <= largerPaperSideInDrawing();
}

// --- store and extent ---

int ArcElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !colour() || !firstPoint() || !secondPoint() || !thirdPoint() ||
        !lineWidth() || !linePosition() || !lineType() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        computeExtentToStore(0);
        return colour()->exchangeRecord(1, buffer) && firstPoint()->writeRecord(buffer, 2, 0) &&
               secondPoint()->writeRecord(buffer, 2, 0) && thirdPoint()->writeRecord(buffer, 2, 0) &&
               lineWidth()->exchangeRecord(1, buffer) && buffer.putInt(linePosition()->position) &&
               lineType()->exchangeRecord(1, buffer) && serializeExtent(buffer, 1);
    }
    int32_t position = 0;
    if (!colour()->exchangeRecord(3, buffer) || !firstPoint()->readRecord(buffer, 2, 0) ||
        !secondPoint()->readRecord(buffer, 2, 0) || !thirdPoint()->readRecord(buffer, 2, 0) ||
        !lineWidth()->exchangeRecord(3, buffer) || !buffer.getInt(position) ||
        !lineType()->exchangeRecord(3, buffer) || !serializeExtent(buffer, 3))
        return 0;
    linePosition()->position = position;
    return 1;
}

void ArcElement::computeExtent(int)
{
    if (!firstPoint() || !secondPoint() || !thirdPoint())
        return;
    bindPoints();
    Point lo, hi;
    if (runElementExtent(*this, lo, hi)) {
        extentMin.x = lo.x, extentMin.y = lo.y;
        extentMax.x = hi.x, extentMax.y = hi.y;
        return;
    }
    // No arc to measure (collinear points, the chord while the end point is placed): the points.
    extentMin.x = extentMax.x = firstPoint()->x;
    extentMin.y = extentMax.y = firstPoint()->y;
    growExtent(*secondPoint());
    growExtent(*thirdPoint());
}

// --- picks ---

int ArcElement::hitTestExtent() { return shared_body::hitTestExactExtent(*this); }

int ArcElement::hitTest()
{
    SelectToolBase* tool = selectTool();
    if (!tool || !firstPoint() || !secondPoint() || !thirdPoint())
        return 0;
    return tool->hitTestThreePointArcMode(*firstPoint(), *secondPoint(), *thirdPoint(),
                                          lineWidth() ? lineWidth()->width : 0.0,
                                          linePosition() ? linePosition()->position : LineOriginAttribute::kCenter);
}

int ArcElement::hitHandle(int* handle, int* flag) { return shared_body::hitHandleOfExactExtent(*this, handle, flag); }

int ArcElement::isInSelectionArea() { return shared_body::isExactExtentInSelectionArea(*this); }

// --- drawing ---

int ArcElement::execute(int operation, double x, double y, double z)
{
    bindPoints();
    const double offset[3] = {x, y, z};
    if (inputStage == kPlacingEnd && operation == ShapeOp::RubberBand) {
        // While the end point is placed the rubber band is the chord, a plain line in the arc's
        // colour with the default width and line type.
        LineElement chord;
        chord.kind = kindCode(ElementKind::Line);
        chord.context = context;
        chord.layer = layer;
        chord.initialize();
        if (!chord.colour() || !chord.firstPoint() || !chord.secondPoint() || !firstPoint() || !secondPoint())
            return 0;
        if (colour())
            chord.colour()->assign(colour());
        *static_cast<Point*>(chord.firstPoint()) = *firstPoint();
        *static_cast<Point*>(chord.secondPoint()) = *secondPoint();
        return runElementShape(chord, operation, offset, nullptr);
    }
    return runElementShape(*this, operation, offset, nullptr);
}

void ArcElement::showPickHandles() { shared_body::showAllExtentHandles(*this); }

void ArcElement::showPickColour()
{
    if (forwardOp(ShapeOp::ShowPicked) && firstPoint() && secondPoint() && thirdPoint()) {
        drawPointMark(ShapeOp::ShowPicked, *firstPoint());
        drawPointMark(ShapeOp::ShowPicked, *thirdPoint());
        drawPointMark(ShapeOp::ShowPicked, *secondPoint());
    }
}

void ArcElement::showPickMarks()
{
    forwardOp(ShapeOp::ShowPickMarks);
    if (firstPoint() && secondPoint() && thirdPoint()) {
        drawPointMark(ShapeOp::ShowPicked, *firstPoint());
        drawPointMark(ShapeOp::ShowPicked, *thirdPoint());
        drawPointMark(ShapeOp::ShowPicked, *secondPoint());
    }
}

void ArcElement::drawRotatedPreview(double angle, double centreX, double centreY, double fourth)
{
    bindPoints();
    shared_body::drawRotatedPreview(*this, angle, centreX, centreY, fourth);
}

void ArcElement::repaintPicked() { shared_body::repaintPicked(*this); }

// --- geometry ---

void ArcElement::translate(double dx, double dy, double dz)
{
    shared_body::translateTwoPoints(*this, dx, dy, dz);
    if (thirdPoint())
        thirdPoint()->translate(dx, dy, dz);
}

void ArcElement::rotate(double angle, double centreX, double centreY, double)
{
    for (DrawPoint* p : {firstPoint(), secondPoint(), thirdPoint()}) {
        if (p)
            p->rotateAbout(centreX, centreY, angle);
    }
}

void ArcElement::setPoint(int index, double x, double y, double z)
{
    (void)setPointByNumber(index, Point(x, y, z), firstPoint(), secondPoint(), thirdPoint()); // another index sets nothing
}

void ArcElement::scale(double factor, const Point& centre, int flags)
{
    shared_body::scaleTwoPoints(*this, factor, centre, flags);
    if (DrawPoint* p = thirdPoint()) {
        p->x = centre.x + (p->x - centre.x) * factor;
        p->y = centre.y + (p->y - centre.y) * factor;
    }
}

int ArcElement::snapToNearestPoint(Point* p)
{
    return p && snapToNearestOfThree(*p, firstPoint(), secondPoint(), thirdPoint()) > 0;
}

int ArcElement::snapToKeyPoint(Point* p) { return snapToNearestPoint(p); }

int ArcElement::getRadius(double out[2], Point* centre)
{
    ThreePointArc arc;
    if (!out || !threePointArc(arc))
        return 0;
    out[0] = arc.radius;
    if (centre)
        centre->x = arc.centre.x, centre->y = arc.centre.y;
    return 1;
}

int ArcElement::getDiameter(double out[2], Point* centre) { return shared_body::diameterOfRadius(*this, out, centre); }

// --- value setters ---

void ArcElement::setLineColour(const InkColor& value) { shared_body::setColour(*this, value); }

void ArcElement::setStartX(const Point& value) { shared_body::setCoordinate(firstPoint(), value, 0); }
void ArcElement::setStartY(const Point& value) { shared_body::setCoordinate(firstPoint(), value, 1); }
void ArcElement::setEndX(const Point& value) { shared_body::setCoordinate(secondPoint(), value, 0); }
void ArcElement::setEndY(const Point& value) { shared_body::setCoordinate(secondPoint(), value, 1); }
void ArcElement::setLineWidth(const LineSizeAttribute& value) { shared_body::setLineWidth(*this, value); }
void ArcElement::setLinePosition(const LineOriginAttribute& value) { shared_body::setLinePosition(*this, value); }
void ArcElement::setLineStyle(const LineTypeAttribute& value) { shared_body::setLineStyle(*this, value); }
void ArcElement::takeDefaultAttributes() { shared_body::takeLineDefaults(*this); }

int ArcElement::editProperties(int hasPrevious, int hasNext)
{
    bindPoints();
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Arc),
                                          hasPrevious, hasNext);
}

// --- files ---

int ArcElement::readXmlAttributes()
{
    bindPoints();
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !firstPoint() || !secondPoint() || !thirdPoint())
        return 0;
    if (colour() && holder->colour())
        colour()->assign(holder->colour());
    shared_body::readTwoPoints(*this, *holder);
    shared_body::readThirdPoint(*this, *holder);
    shared_body::readStroke(*this, *holder);
    takeDocumentLayerAndGroup();
    return 1;
}

int ArcElement::writeXml()
{
    bindPoints();
    Document* d = currentXmlContext();
    if (!d || !colour() || !firstPoint() || !secondPoint() || !thirdPoint() || !lineWidth() || !linePosition() ||
        !lineType())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && colour()->writeXml(d) &&
           firstPoint()->writeXml(d, tag_id::startPoint) && secondPoint()->writeXml(d, tag_id::endPoint) &&
           thirdPoint()->writeXml(d, tag_id::midPoint) && lineWidth()->writeXml(d) && linePosition()->writeXml(d) &&
           lineType()->writeXml(d) && closeXmlSection();
}

int ArcElement::writeDxf(DxfFile* writer)
{
    if (!writer || !firstPoint() || !secondPoint() || !thirdPoint())
        return -1;
    return writer->beginEntity(DxfFile::kArc) && writer->writeInt(layer) &&
                   writer->writeThreePointArc(*firstPoint(), *thirdPoint(), *secondPoint()) && writer->endEntity()
               ? 1
               : -1;
}
