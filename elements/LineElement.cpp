// The line element: its record, extent, shape, picks, file sections and value setters. The
// mouse input and editing are in LineElementInput.cpp.
#include "elements/LineElement.h"

#include <cmath>
#include <initializer_list>
#include <iterator>
#include <new>
#include <utility>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "document/ViewUpdater.h"
#include "elements/DxfFile.h"
#include "elements/ElementShapes.h"
#include "elements/SvgDocument.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/GrayValue.h"
#include "geometry/InkColor.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/TagIds.h"

namespace {
// The sub-objects a line uses, made by initialize and released by teardown.
constexpr ElementAttribute kLineAttributes[] = {
    ElementAttribute::colour,       ElementAttribute::firstPoint, ElementAttribute::secondPoint,
    ElementAttribute::lineWidth,    ElementAttribute::linePosition, ElementAttribute::lineType,
    ElementAttribute::lineCap,      ElementAttribute::gray,
};
} // namespace

Element* newLineElement() { return new (std::nothrow) LineElement; }

LineElement::LineElement() = default;

LineElement::~LineElement() { teardown(); }

void LineElement::initialize() { shared_body::ensureAttributes(*this, kLineAttributes, std::size(kLineAttributes)); }

void LineElement::teardown() { shared_body::releaseAttributes(*this, kLineAttributes, std::size(kLineAttributes)); }

void LineElement::bindPoints() { shared_body::bindTwoPoints(*this); }

// --- store and extent ---

int LineElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !colour() || !firstPoint() || !secondPoint() || !lineWidth() ||
        !linePosition() || !lineType() || !lineCap() || !gray() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        computeExtentToStore(1);
        return colour()->exchangeRecord(1, buffer) && firstPoint()->writeRecord(buffer, 2, 0) &&
               secondPoint()->writeRecord(buffer, 2, 0) && lineWidth()->exchangeRecord(1, buffer) &&
               buffer.putInt(linePosition()->position) && lineType()->exchangeRecord(1, buffer) &&
               buffer.putInt(lineCap()->capStyle) && gray()->exchangeRecord(1, buffer) &&
               serializeExtent(buffer, 1);
    }
    int32_t position = 0, cap = 0;
    if (!colour()->exchangeRecord(3, buffer) || !firstPoint()->readRecord(buffer, 2, 0) ||
        !secondPoint()->readRecord(buffer, 2, 0) || !lineWidth()->exchangeRecord(3, buffer) ||
        !buffer.getInt(position) || !lineType()->exchangeRecord(3, buffer) || !buffer.getInt(cap) ||
        !gray()->exchangeRecord(3, buffer) || !serializeExtent(buffer, 3))
        return 0;
    linePosition()->position = position;
    lineCap()->capStyle = cap;
    return 1;
}

void LineElement::computeExtent(int mode)
{
    const DrawPoint* a = firstPoint();
    const DrawPoint* b = secondPoint();
    if (!a || !b)
        return;
    double w = lineWidth() ? lineWidth()->width * scaleDenominator() / scaleNumerator() : 0.0;
    if (!std::isfinite(w) || w < 0.0)
        w = 0.0;
    extentMin.x = extentMax.x = a->x;
    extentMin.y = extentMax.y = a->y;
    growExtent(*b);
    if (mode == 0) {
        extentMin.x -= w, extentMin.y -= w;
        extentMax.x += w, extentMax.y += w;
        return;
    }
    // The band lies between the offsets inner and outer along the normal, the direction turned by
    // +90 degrees: (1, 0) turns to (0, -1). A zero-length line has no direction and no band.
    const double dx = b->x - a->x, dy = b->y - a->y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0) || !std::isfinite(length))
        return;
    const double ux = dx / length, uy = dy / length;
    const double nx = uy, ny = -ux;
    double inner = w / 2.0, outer = -w / 2.0;
    const int position = linePosition() ? linePosition()->position : LineOriginAttribute::kCenter;
    if (position == LineOriginAttribute::kTop)
        inner = 0.0, outer = -w;
    else if (position == LineOriginAttribute::kBottom)
        inner = 0.0, outer = w;
    else if (position != LineOriginAttribute::kCenter)
        return;
    // Round and square caps reach half the width past the ends.
    const double cap = lineCap() && lineCap()->capStyle != LineCapAttribute::kButt ? w / 2.0 : 0.0;
    for (double offset : {inner, outer}) {
        growExtent(Point(a->x - ux * cap + nx * offset, a->y - uy * cap + ny * offset));
        growExtent(Point(b->x + ux * cap + nx * offset, b->y + uy * cap + ny * offset));
    }
}

// --- picks ---

int LineElement::hitTestExtent() { return shared_body::hitTestExactExtent(*this); }

int LineElement::hitTest()
{
    if (!selectTool() || !firstPoint() || !secondPoint())
        return 0;
    // The band as the line shape draws it: its side, its caps, its ends.
    bindPoints();
    return runElementHitTest(*this);
}

int LineElement::hitHandle(int* handle, int* flag) { return shared_body::hitHandleOfExactExtent(*this, handle, flag); }

int LineElement::isInSelectionArea() { return shared_body::isExactExtentInSelectionArea(*this); }

// --- drawing ---

int LineElement::execute(int operation, double x, double y, double z)
{
    bindPoints();
    return shared_body::runShapeAt(*this, operation, x, y, z);
}

void LineElement::showPickHandles() { shared_body::showAllExtentHandles(*this); }

void LineElement::showPickColour()
{
    if (forwardOp(ShapeOp::ShowPicked))
        shared_body::markTwoPoints(*this);
}

void LineElement::showPickMarks()
{
    if (forwardOp(ShapeOp::ShowPickMarks))
        shared_body::markTwoPoints(*this);
}

void LineElement::drawRotatedPreview(double angle, double centreX, double centreY, double fourth)
{
    bindPoints();
    shared_body::drawRotatedPreview(*this, angle, centreX, centreY, fourth);
}

void LineElement::repaintPicked() { shared_body::repaintPicked(*this); }

// --- geometry ---

void LineElement::translate(double dx, double dy, double dz) { shared_body::translateTwoPoints(*this, dx, dy, dz); }

void LineElement::rotate(double angle, double centreX, double centreY, double)
{
    if (firstPoint())
        firstPoint()->rotateAbout(centreX, centreY, angle);
    if (secondPoint())
        secondPoint()->rotateAbout(centreX, centreY, angle);
}

void LineElement::setPoint(int index, double x, double y, double z)
{
    (void)setPointByNumber(index, Point(x, y, z), firstPoint(), secondPoint(), nullptr); // another index sets nothing
}

void LineElement::scale(double factor, const Point& centre, int flags)
{
    shared_body::scaleTwoPoints(*this, factor, centre, flags);
}

int LineElement::snapToNearestPoint(Point* p)
{
    return p && snapToNearestOfThree(*p, firstPoint(), secondPoint(), nullptr) > 0;
}

int LineElement::snapToKeyPoint(Point* p) { return snapToNearestPoint(p); }

int LineElement::snapToNearestEdge(Point* p, const Point*)
{
    const DrawPoint* a = firstPoint();
    const DrawPoint* b = secondPoint();
    if (!p || !a || !b)
        return 0;
    const double dx = b->x - a->x, dy = b->y - a->y;
    const double lengthSquared = dx * dx + dy * dy;
    if (!(lengthSquared > 0.0))
        return 0;
    const double t = ((p->x - a->x) * dx + (p->y - a->y) * dy) / lengthSquared;
    p->x = a->x + dx * t;
    p->y = a->y + dy * t;
    return 1;
}

// --- the property dialog ---

int LineElement::editProperties(int hasPrevious, int hasNext)
{
    bindPoints();
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Line),
                                          hasPrevious, hasNext);
}

// --- value setters ---

void LineElement::setLineColour(const InkColor& value) { shared_body::setColour(*this, value); }

void LineElement::setStartX(const Point& value) { shared_body::setCoordinate(firstPoint(), value, 0); }
void LineElement::setStartY(const Point& value) { shared_body::setCoordinate(firstPoint(), value, 1); }
void LineElement::setEndX(const Point& value) { shared_body::setCoordinate(secondPoint(), value, 0); }
void LineElement::setEndY(const Point& value) { shared_body::setCoordinate(secondPoint(), value, 1); }
void LineElement::setLineWidth(const LineSizeAttribute& value) { shared_body::setLineWidth(*this, value); }
void LineElement::setLinePosition(const LineOriginAttribute& value) { shared_body::setLinePosition(*this, value); }
void LineElement::setLineStyle(const LineTypeAttribute& value) { shared_body::setLineStyle(*this, value); }
void LineElement::setLineCap(const LineCapAttribute& value) { shared_body::setLineCap(*this, value); }
void LineElement::takeDefaultAttributes() { shared_body::takeLineDefaults(*this); }

// --- files ---

int LineElement::readXmlAttributes()
{
    bindPoints();
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !firstPoint() || !secondPoint())
        return 0;
    if (colour() && holder->colour())
        colour()->assign(holder->colour());
    shared_body::readTwoPoints(*this, *holder);
    shared_body::readStroke(*this, *holder);
    if (lineCap())
        lineCap()->assign(holder->lineCap());
    if (gray())
        gray()->assign(holder->gray());
    takeDocumentLayerAndGroup();
    return 1;
}

int LineElement::writeXml()
{
    bindPoints();
    Document* d = currentXmlContext();
    if (!d || !colour() || !firstPoint() || !secondPoint() || !lineWidth() || !linePosition() || !lineType() ||
        !lineCap() || !gray())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && colour()->writeXml(d) &&
           firstPoint()->writeXml(d, tag_id::startPoint) && secondPoint()->writeXml(d, tag_id::endPoint) &&
           lineWidth()->writeXml(d) && linePosition()->writeXml(d) && lineType()->writeXml(d) &&
           lineCap()->writeXml() && gray()->writeXml(d) && closeXmlSection();
}

int LineElement::writeSvg(SvgDocument* writer)
{
    if (!writer || !firstPoint() || !secondPoint())
        return -1;
    return writer->beginItem(SvgDocument::kLine) && writer->addPoint(*firstPoint(), SvgDocument::kPointMode) &&
                   writer->addPoint(*secondPoint(), SvgDocument::kPointMode) && writer->endItem()
               ? 1
               : -1;
}

int LineElement::writeDxf(DxfFile* writer)
{
    if (!writer || !firstPoint() || !secondPoint())
        return -1;
    return writer->beginEntity(DxfFile::kLine) && writer->writeInt(layer) && writer->writePoint(*firstPoint()) &&
                   writer->writePoint(*secondPoint()) && writer->endEntity()
               ? 1
               : -1;
}
