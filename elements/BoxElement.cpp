// The box element: its record, extent, shape, snaps, file section, SVG rect and mouse input.
#include "elements/BoxElement.h"

#include <cmath>
#include <iterator>
#include <new>

#include "document/Document.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "elements/ElementShapes.h"
#include "elements/SvgDocument.h"
#include "elements/VertexRoundingList.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "shapes/BoxRules.h"
#include "shapes/CornerRounding.h"

namespace {
constexpr ElementAttribute kBoxAttributes[] = {
    ElementAttribute::edge,           ElementAttribute::fill,      ElementAttribute::firstPoint,
    ElementAttribute::secondPoint,    ElementAttribute::boxRules,  ElementAttribute::cornerRounding,
    ElementAttribute::lineWidth,      ElementAttribute::linePosition, ElementAttribute::lineType,
    ElementAttribute::hatch,          ElementAttribute::lean,
};
} // namespace

Element* newBoxElement() { return new (std::nothrow) BoxElement; }

BoxElement::BoxElement() : input(this) {}

BoxElement::~BoxElement() { teardown(); }

void BoxElement::initialize() { shared_body::ensureAttributes(*this, kBoxAttributes, std::size(kBoxAttributes)); }

void BoxElement::teardown() { shared_body::releaseAttributes(*this, kBoxAttributes, std::size(kBoxAttributes)); }

void BoxElement::bindPoints() { shared_body::bindTwoPoints(*this); }

double BoxElement::lineSizeInDrawing() const
{
    const double w = lineWidth() ? lineWidth()->width * scaleDenominator() / scaleNumerator() : 0.0;
    return std::isfinite(w) && w > 0.0 ? w : 0.0;
}

// --- store and extent ---

int BoxElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !edge() || !fill() || !hatch() || !firstPoint() || !secondPoint() ||
        !boxRules() || !cornerRounding() || !lean() || !lineWidth() || !linePosition() || !lineType() ||
        (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    if (mode == 1) {
        computeExtentToStore(0);
        buffer.rewind();
        return edge()->exchangeRecord(1, buffer) && fill()->exchangeRecord(1, buffer) &&
               hatch()->exchangeRecord(1, buffer) && firstPoint()->writeRecord(buffer, 2, 0) &&
               secondPoint()->writeRecord(buffer, 2, 0) && boxRules()->exchangeRecord(1, buffer) &&
               cornerRounding()->exchangeRecord(1, buffer) && lean()->exchangeRecord(1, buffer) &&
               lineWidth()->exchangeRecord(1, buffer) && buffer.putInt(linePosition()->position) &&
               lineType()->exchangeRecord(1, buffer) && serializeExtent(buffer, 1);
    }
    buffer.rewind();
    int32_t position = 0;
    if (!edge()->exchangeRecord(3, buffer) || !fill()->exchangeRecord(3, buffer) || !hatch()->exchangeRecord(3, buffer) ||
        !firstPoint()->readRecord(buffer, 2, 0) || !secondPoint()->readRecord(buffer, 2, 0) ||
        !boxRules()->exchangeRecord(3, buffer) || !cornerRounding()->exchangeRecord(3, buffer) ||
        !lean()->exchangeRecord(3, buffer) || !lineWidth()->exchangeRecord(3, buffer) || !buffer.getInt(position) ||
        !lineType()->exchangeRecord(3, buffer) || !serializeExtent(buffer, 3))
        return 0;
    linePosition()->position = position;
    return 1;
}

void BoxElement::computeExtent(int mode)
{
    if (mode != 0 && mode != 1)
        return;
    PointList outline;
    Point lo, hi;
    if (!input.outline(outline, 1) || !outline.getBounds(&lo, &hi))
        return;
    const double w = lineSizeInDrawing();
    if (mode == 1) {
        // The shape measures the stroke as it draws it: joins, rule lines and all.
        bindPoints();
        Point a, b;
        if (runElementExtent(*this, a, b)) {
            extentMin.x = a.x, extentMin.y = a.y, extentMin.z = lo.z;
            extentMax.x = b.x, extentMax.y = b.y, extentMax.z = hi.z;
            return;
        }
    }
    // A square corner's join reaches the width past the corner along each axis, and up to the
    // width times the square root of 2 along one once the box leans.
    const double angle = input.rotationAngle();
    const int square = !std::isfinite(angle) || std::fmod(angle, 90.0) == 0.0;
    double grow = square ? w : w * std::sqrt(2.0);
    if (mode == 1) {
        const int position = linePosition() ? linePosition()->position : LineOriginAttribute::kCenter;
        grow *= position == LineOriginAttribute::kTop ? 0.0 : position == LineOriginAttribute::kBottom ? 1.0 : 0.5;
    }
    extentMin.x = lo.x - grow, extentMin.y = lo.y - grow, extentMin.z = lo.z - grow;
    extentMax.x = hi.x + grow, extentMax.y = hi.y + grow, extentMax.z = hi.z + grow;
}

int BoxElement::hitTestExtent() { return shared_body::hitTestExactExtent(*this); }

int BoxElement::hitTest()
{
    if (!selectTool())
        return 0;
    bindPoints();
    return runElementHitTest(*this);
}

int BoxElement::hitHandle(int* handle, int* flag) { return shared_body::hitHandleOfExactExtent(*this, handle, flag); }

int BoxElement::isInSelectionArea() { return shared_body::isExactExtentInSelectionArea(*this); }

// --- drawing ---

int BoxElement::execute(int operation, double x, double y, double z)
{
    bindPoints();
    return shared_body::runShapeAt(*this, operation, x, y, z);
}

void BoxElement::showPickHandles() { shared_body::showAllExtentHandles(*this); }

void BoxElement::showPickColour()
{
    if (forwardOp(ShapeOp::ShowPicked))
        shared_body::markTwoPoints(*this);
}

void BoxElement::showPickMarks()
{
    forwardOp(ShapeOp::ShowPickMarks);
    shared_body::markTwoPoints(*this);
}

void BoxElement::drawRotatedPreview(double angle, double centreX, double centreY, double fourth)
{
    bindPoints();
    shared_body::drawRotatedPreview(*this, angle, centreX, centreY, fourth);
}

void BoxElement::repaintPicked() { shared_body::repaintPicked(*this); }

void BoxElement::drawOverlayFigure(int operation)
{
    if (operation == 21 || operation == 33)
        drawRubberBandFrame();
    else if (operation == 32)
        shared_body::repaintPicked(*this);
}

// --- creation and editing ---

void BoxElement::takeDefaultAttributes()
{
    shared_body::takeClosedDefaults(*this);
    if (lean())
        lean()->reset();
}

int BoxElement::beginCreateInput(int) { return input.beginCreate(); }

int BoxElement::continueCreateInput(int) { return input.continueCreate(); }

int BoxElement::editByMouse() { return input.editCorner(); }

int BoxElement::dragHandle(int handle) { return input.dragHandle(handle); }

int BoxElement::editProperties(int hasPrevious, int hasNext)
{
    bindPoints();
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Box),
                                          hasPrevious, hasNext);
}

// --- geometry ---

void BoxElement::translate(double dx, double dy, double dz) { shared_body::translateTwoPoints(*this, dx, dy, dz); }

void BoxElement::rotate(double angle, double centreX, double centreY, double)
{
    shared_body::rotateTwoPointsWithLean(*this, angle, centreX, centreY);
}

void BoxElement::setPoint(int index, double x, double y, double z)
{
    (void)setPointByNumber(index, Point(x, y, z), firstPoint(), secondPoint(), nullptr); // another index sets nothing
}

void BoxElement::scale(double factor, const Point& centre, int flags)
{
    shared_body::scaleTwoPoints(*this, factor, centre, flags);
}

int BoxElement::snapToNearestPoint(Point* p)
{
    if (!p || !firstPoint() || !secondPoint())
        return 0;
    Point end = *secondPoint();
    const double angle = input.rotationAngle();
    if (angle != 0.0)
        end.rotateAbout(firstPoint()->x, firstPoint()->y, angle);
    return snapToNearestOfThree(*p, firstPoint(), &end, nullptr) > 0;
}

int BoxElement::snapToKeyPoint(Point* p)
{
    PointList outline;
    if (!p || !input.outline(outline, 1) || !outline.removeLast())
        return 0;
    return snapToNearestVertex(*p, outline, 1) >= 0;
}

int BoxElement::snapToNearestEdge(Point* p, const Point*)
{
    PointList outline;
    if (!p || !input.outline(outline, 1) || !outline.removeLast())
        return 0;
    return snapToNearestEdgeClosed(*p, 0, outline, 1);
}

// --- value setters ---

void BoxElement::setLineColour(const InkColor& value) { shared_body::setEdgeColour(*this, value); }
void BoxElement::setFillColour(const InkColor& value) { shared_body::setFillColour(*this, value); }
void BoxElement::setHatchColour(const InkColor& value) { shared_body::setHatchColour(*this, value); }
void BoxElement::setRotationAngle(const LeanAttribute& value)
{
    if (lean())
        lean()->assign(&value);
}
void BoxElement::setLineWidth(const LineSizeAttribute& value) { shared_body::setLineWidth(*this, value); }
void BoxElement::setLinePosition(const LineOriginAttribute& value) { shared_body::setLinePosition(*this, value); }
void BoxElement::setLineStyle(const LineTypeAttribute& value) { shared_body::setLineStyle(*this, value); }
void BoxElement::setEdgeDrawn(const EdgeAttributes& value) { shared_body::setEdgeDrawn(*this, value); }
void BoxElement::setFillDrawn(const FillAttributes& value) { shared_body::setFillDrawn(*this, value); }
void BoxElement::setHatchPattern(const HatchAttributes& value) { shared_body::setHatchPattern(*this, value); }
void BoxElement::setHatchPitch1(const HatchAttributes& value) { shared_body::setHatchPitch1(*this, value); }
void BoxElement::setHatchPitch2(const HatchAttributes& value) { shared_body::setHatchPitch2(*this, value); }
void BoxElement::setFillGray(const FillAttributes& value) { shared_body::setFillGray(*this, value); }
void BoxElement::setStartX(const Point& value) { shared_body::setCoordinate(firstPoint(), value, 0); }
void BoxElement::setStartY(const Point& value) { shared_body::setCoordinate(firstPoint(), value, 1); }
void BoxElement::setEndX(const Point& value) { shared_body::setCoordinate(secondPoint(), value, 0); }
void BoxElement::setEndY(const Point& value) { shared_body::setCoordinate(secondPoint(), value, 1); }
void BoxElement::setBoxRules(const BoxRules& value, int takeHorizontal, int takeVertical)
{
    if (boxRules())
        (void)boxRules()->copyFrom(&value, takeHorizontal, takeVertical); // always 1
}
void BoxElement::setCornerRounding(const CornerRounding& value, const int* takeCorners)
{
    if (cornerRounding())
        (void)cornerRounding()->copyFrom(&value, takeCorners); // always 1
}

// --- files ---

int BoxElement::readXmlAttributes()
{
    bindPoints();
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !firstPoint() || !secondPoint())
        return 0;
    shared_body::readAreaFills(*this, *holder);
    shared_body::readTwoPoints(*this, *holder);
    if (boxRules())
        (void)boxRules()->copyFrom(holder->boxRules()); // always 1
    if (cornerRounding())
        (void)cornerRounding()->copyFrom(holder->cornerRounding()); // always 1
    if (lean())
        lean()->assign(holder->lean());
    shared_body::readStroke(*this, *holder);
    takeDocumentLayerAndGroup();
    return 1;
}

int BoxElement::writeXml()
{
    bindPoints();
    Document* d = currentXmlContext();
    if (!d || !edge() || !fill() || !hatch() || !firstPoint() || !secondPoint() || !boxRules() ||
        !cornerRounding() || !lean() || !lineWidth() || !linePosition() || !lineType())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && edge()->writeXml(d) && fill()->writeXml(d) &&
           hatch()->writeXml(d) && firstPoint()->writeXml(d, tag_id::startPoint) &&
           secondPoint()->writeXml(d, tag_id::endPoint) && boxRules()->writeXml(d) &&
           cornerRounding()->writeXml(d) && lean()->writeThroughHolder(d) && lineWidth()->writeXml(d) &&
           linePosition()->writeXml(d) && lineType()->writeXml(d) && closeXmlSection();
}

int BoxElement::writeSvg(SvgDocument* writer)
{
    const DrawPoint *a = firstPoint(), *b = secondPoint();
    if (!writer || !a || !b)
        return -1;
    // At the smaller corner, so that a box drawn from its bottom right reads back in place.
    return writer->beginItem(SvgDocument::kRect) &&
                   writer->addNumber(SvgDocument::kX, std::fmin(a->x, b->x), SvgDocument::kNumberFormat) &&
                   writer->addNumber(SvgDocument::kY, std::fmin(a->y, b->y), SvgDocument::kNumberFormat) &&
                   writer->addNumber(SvgDocument::kWidth, std::fabs(b->x - a->x), SvgDocument::kNumberFormat) &&
                   writer->addNumber(SvgDocument::kHeight, std::fabs(b->y - a->y), SvgDocument::kNumberFormat) &&
                   writer->endItem()
               ? 1
               : -1;
}
