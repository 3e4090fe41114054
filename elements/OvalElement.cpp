// The oval element: its record, extent, shape, snaps, file section and creation input.
#include "elements/OvalElement.h"

#include <cmath>
#include <iterator>
#include <new>
#include <utility>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "elements/ElementShapes.h"
#include "elements/TwoPointInput.h"
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
#include "geometry/ViewParams.h"
#include "platform/MouseSource.h"
#include "shapes/OvalType.h"

namespace {
constexpr ElementAttribute kOvalAttributes[] = {
    ElementAttribute::edge,      ElementAttribute::fill,      ElementAttribute::hatch,
    ElementAttribute::firstPoint, ElementAttribute::secondPoint, ElementAttribute::lean,
    ElementAttribute::lineWidth, ElementAttribute::linePosition, ElementAttribute::lineType,
    ElementAttribute::ovalType,  ElementAttribute::colour,
};
} // namespace

Element* newOvalElement() { return new (std::nothrow) OvalElement; }

OvalElement::OvalElement() = default;

OvalElement::~OvalElement() { teardown(); }

void OvalElement::initialize() { shared_body::ensureAttributes(*this, kOvalAttributes, std::size(kOvalAttributes)); }

void OvalElement::teardown() { shared_body::releaseAttributes(*this, kOvalAttributes, std::size(kOvalAttributes)); }

void OvalElement::bindPoints() { shared_body::bindTwoPoints(*this); }

double OvalElement::lineSizeInDrawing() const
{
    const double w = lineWidth() ? lineWidth()->width * scaleDenominator() / scaleNumerator() : 0.0;
    return std::isfinite(w) && w > 0.0 ? w : 0.0;
}

int OvalElement::buildOutline(double grow, PointList& out) const
{
    if (!firstPoint() || !secondPoint() || !ovalType())
        return 0;
    const int closed = fill() && fill()->draw.value;
    if (!ovalOutline(*firstPoint(), *secondPoint(), ovalType()->value, grow, closed, out))
        return 0;
    // A corrupt lean turns nothing rather than spreading into the outline.
    const double angle = lean() && std::isfinite(lean()->angle) ? lean()->angle : 0.0;
    return angle == 0.0 || out.rotateAbout(firstPoint()->x, firstPoint()->y, angle);
}

void OvalElement::turnByLean(Point& p) const
{
    if (lean() && lean()->angle != 0.0 && std::isfinite(lean()->angle))
        p.rotateAbout(firstPoint()->x, firstPoint()->y, lean()->angle);
}

Point OvalElement::leanedEnd() const
{
    Point end = *secondPoint();
    turnByLean(end);
    return end;
}

// --- store and extent ---

int OvalElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !edge() || !fill() || !hatch() || !firstPoint() || !secondPoint() ||
        !lean() || !lineWidth() || !linePosition() || !lineType() || !ovalType() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        computeExtentToStore(1);
        return edge()->exchangeRecord(1, buffer) && fill()->exchangeRecord(1, buffer) &&
               hatch()->exchangeRecord(1, buffer) && firstPoint()->writeRecord(buffer, 2, 0) &&
               secondPoint()->writeRecord(buffer, 2, 0) && lean()->exchangeRecord(1, buffer) &&
               lineWidth()->exchangeRecord(1, buffer) && buffer.putInt(linePosition()->position) &&
               lineType()->exchangeRecord(1, buffer) && ovalType()->exchangeRecord(1, buffer) &&
               serializeExtent(buffer, 1);
    }
    int32_t position = 0;
    if (!edge()->exchangeRecord(3, buffer) || !fill()->exchangeRecord(3, buffer) || !hatch()->exchangeRecord(3, buffer) ||
        !firstPoint()->readRecord(buffer, 2, 0) || !secondPoint()->readRecord(buffer, 2, 0) ||
        !lean()->exchangeRecord(3, buffer) || !lineWidth()->exchangeRecord(3, buffer) || !buffer.getInt(position) ||
        !lineType()->exchangeRecord(3, buffer) || !ovalType()->exchangeRecord(3, buffer) || !serializeExtent(buffer, 3))
        return 0;
    linePosition()->position = position;
    return 1;
}

void OvalElement::computeExtent(int mode)
{
    const double w = lineSizeInDrawing();
    double grow = 0.0;
    if (mode == 1 && edge() && edge()->draw.value) {
        const int position = linePosition() ? linePosition()->position : LineOriginAttribute::kCenter;
        grow = position == LineOriginAttribute::kTop ? 0.0 : position == LineOriginAttribute::kBottom ? w : w / 2.0;
    }
    PointList outline;
    Point p;
    if (!buildOutline(grow, outline) || !outline.getPoint(0, &p))
        return;
    extentMin.x = extentMax.x = p.x;
    extentMin.y = extentMax.y = p.y;
    for (int i = 1; i < outline.count; ++i) {
        if (outline.getPoint(i, &p))
            growExtent(p);
    }
    if (mode == 0) {
        extentMin.x -= w, extentMin.y -= w;
        extentMax.x += w, extentMax.y += w;
    }
}

int OvalElement::hitTestExtent() { return shared_body::hitTestExactExtent(*this); }

int OvalElement::hitHandle(int* handle, int* flag) { return shared_body::hitHandleOfExactExtent(*this, handle, flag); }

int OvalElement::isInSelectionArea() { return shared_body::isExactExtentInSelectionArea(*this); }

void OvalElement::showPickHandles() { shared_body::showAllExtentHandles(*this); }

int OvalElement::hitTest()
{
    if (!selectTool() || !firstPoint() || !secondPoint())
        return 0;
    bindPoints();
    if (runElementHitTest(*this))
        return 1;
    // The start and end lie off the curve, on the corners of its box; they pick it too, so that
    // the point-edit tool can take them.
    return pointUnderCursor(firstPoint(), secondPoint(), nullptr) != 0;
}

// --- drawing ---

int OvalElement::execute(int operation, double x, double y, double z)
{
    bindPoints();
    return shared_body::runShapeAt(*this, operation, x, y, z);
}

void OvalElement::showPickColour()
{
    if (forwardOp(ShapeOp::ShowPicked))
        shared_body::markTwoPoints(*this);
}

void OvalElement::showPickMarks()
{
    forwardOp(ShapeOp::ShowPickMarks);
    shared_body::markTwoPoints(*this);
}

void OvalElement::drawRotatedPreview(double angle, double centreX, double centreY, double fourth)
{
    bindPoints();
    shared_body::drawRotatedPreview(*this, angle, centreX, centreY, fourth);
}

void OvalElement::repaintPicked()
{
    if (!inputPending || !viewUpdater() || !viewParams())
        return;
    bindPoints();
    copyPainterToOverlay();
    (void)forwardOp(ShapeOp::RubberBand); // nothing to show without the shape
    flushOverlay();
}

// --- geometry ---

void OvalElement::translate(double dx, double dy, double dz) { shared_body::translateTwoPoints(*this, dx, dy, dz); }

void OvalElement::rotate(double angle, double centreX, double centreY, double)
{
    shared_body::rotateTwoPointsWithLean(*this, angle, centreX, centreY);
}

void OvalElement::setPoint(int index, double x, double y, double z)
{
    (void)setPointByNumber(index, Point(x, y, z), firstPoint(), secondPoint(), nullptr); // another index sets nothing
}

void OvalElement::scale(double factor, const Point& centre, int flags)
{
    shared_body::scaleTwoPoints(*this, factor, centre, flags);
}

int OvalElement::snapToNearestPoint(Point* p)
{
    if (!p || !firstPoint() || !secondPoint())
        return 0;
    const Point end = leanedEnd();
    return snapToNearestOfThree(*p, firstPoint(), &end, nullptr) > 0;
}

int OvalElement::snapToKeyPoint(Point* p)
{
    if (!p || !firstPoint() || !secondPoint())
        return 0;
    const Point end = leanedEnd();
    p->x = (firstPoint()->x + end.x) / 2.0;
    p->y = (firstPoint()->y + end.y) / 2.0;
    return 1;
}

int OvalElement::getDiameter(double out[2], Point* centre)
{
    double axes[2] = {0.0, 0.0};
    Point middle;
    if (!out || (fill() && fill()->draw.value) || !firstPoint() || !secondPoint() || !ovalType() ||
        !ovalAxes(*firstPoint(), *secondPoint(), ovalType()->value, axes, middle))
        return 0;
    out[0] = std::fmin(axes[0], axes[1]);
    out[1] = std::fmax(axes[0], axes[1]);
    if (centre) {
        turnByLean(middle);
        centre->x = middle.x, centre->y = middle.y;
    }
    return std::round(out[0] * 1000.0) == std::round(out[1] * 1000.0) ? 1 : 2;
}

int OvalElement::getRadius(double out[2], Point* centre)
{
    const int result = getDiameter(out, centre);
    if (result <= 0)
        return 0;
    out[0] /= 2.0;
    out[1] /= 2.0;
    return result;
}

void OvalElement::takeDefaultAttributes()
{
    shared_body::takeClosedDefaults(*this);
    if (lean())
        lean()->reset();
}

// --- value setters ---

void OvalElement::setLineColour(const InkColor& value) { shared_body::setEdgeColour(*this, value); }
void OvalElement::setFillColour(const InkColor& value) { shared_body::setFillColour(*this, value); }
void OvalElement::setHatchColour(const InkColor& value) { shared_body::setHatchColour(*this, value); }
void OvalElement::setStartX(const Point& value) { shared_body::setCoordinate(firstPoint(), value, 0); }
void OvalElement::setStartY(const Point& value) { shared_body::setCoordinate(firstPoint(), value, 1); }
void OvalElement::setEndX(const Point& value) { shared_body::setCoordinate(secondPoint(), value, 0); }
void OvalElement::setEndY(const Point& value) { shared_body::setCoordinate(secondPoint(), value, 1); }
void OvalElement::setRotationAngle(const LeanAttribute& value)
{
    if (lean())
        lean()->assign(&value);
}
void OvalElement::setLineWidth(const LineSizeAttribute& value) { shared_body::setLineWidth(*this, value); }
void OvalElement::setLinePosition(const LineOriginAttribute& value) { shared_body::setLinePosition(*this, value); }
void OvalElement::setLineStyle(const LineTypeAttribute& value) { shared_body::setLineStyle(*this, value); }
void OvalElement::setEdgeDrawn(const EdgeAttributes& value) { shared_body::setEdgeDrawn(*this, value); }
void OvalElement::setFillDrawn(const FillAttributes& value) { shared_body::setFillDrawn(*this, value); }
void OvalElement::setHatchPattern(const HatchAttributes& value) { shared_body::setHatchPattern(*this, value); }
void OvalElement::setHatchPitch1(const HatchAttributes& value) { shared_body::setHatchPitch1(*this, value); }
void OvalElement::setHatchPitch2(const HatchAttributes& value) { shared_body::setHatchPitch2(*this, value); }
void OvalElement::setFillGray(const FillAttributes& value) { shared_body::setFillGray(*this, value); }

// --- files ---

int OvalElement::readXmlAttributes()
{
    bindPoints();
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !firstPoint() || !secondPoint())
        return 0;
    shared_body::readAreaFills(*this, *holder);
    shared_body::readTwoPoints(*this, *holder);
    if (lean())
        lean()->assign(holder->lean());
    shared_body::readStroke(*this, *holder);
    if (ovalType())
        (void)ovalType()->copyFrom(holder->ovalType()); // always 1
    takeDocumentLayerAndGroup();
    return 1;
}

int OvalElement::writeXml()
{
    bindPoints();
    Document* d = currentXmlContext();
    if (!d || !edge() || !fill() || !hatch() || !firstPoint() || !secondPoint() || !lean() || !lineWidth() ||
        !linePosition() || !lineType() || !ovalType())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && edge()->writeXml(d) && fill()->writeXml(d) &&
           hatch()->writeXml(d) && firstPoint()->writeXml(d, tag_id::startPoint) &&
           secondPoint()->writeXml(d, tag_id::endPoint) && lean()->writeThroughHolder(d) &&
           lineWidth()->writeXml(d) && linePosition()->writeXml(d) && lineType()->writeXml(d) &&
           ovalType()->writeXml(d) && closeXmlSection();
}

// --- creation input ---

int OvalElement::beginCreateInput(int arg)
{
    return shared_body::placeStartAtPress(*this) ? continueCreateInput(arg) : kCancelled;
}

namespace {
// The end point follows the cursor, with Shift on the diagonal through start (a circle); an
// oval-type key changes the type at once.
class OvalEnd : public shared_body::SecondPointInput {
public:
    explicit OvalEnd(OvalElement& e) : oval(e) {}
    void setSecondPoint(const IntPoint& device) override
    {
        Point p;
        oval.deviceToDrawing(&p, device, 1);
        (void)oval.constrainToDiagonal(p, *oval.firstPoint()); // 0 without Shift: the point as read
        oval.secondPoint()->x = p.x, oval.secondPoint()->y = p.y;
    }
    int changedByKey() override
    {
        const int type = OvalType::codeOfTypedKey();
        if (type == 0 || type == oval.ovalType()->value)
            return 0;
        oval.ovalType()->value = type;
        return 1;
    }
    OvalElement& oval;
};
} // namespace

int OvalElement::continueCreateInput(int)
{
    if (!ovalType())
        return kCancelled;
    OvalEnd end(*this);
    const int result = shared_body::trackSecondPoint(*this, end);
    return result == kDone || result == kDragDone ? kComplete : result;
}

int OvalElement::editByMouse() { return shared_body::editTwoPoints(*this); }

int OvalElement::dragHandle(int handle) { return shared_body::dragTwoPointHandle(*this, handle); }

int OvalElement::editProperties(int hasPrevious, int hasNext)
{
    bindPoints();
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Oval),
                                          hasPrevious, hasNext);
}
