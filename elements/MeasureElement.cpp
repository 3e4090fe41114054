// The length dimension: its record, extent, shape, picks, geometry, value setters and file
// section. The mouse input and editing are in MeasureElementInput.cpp.
#include "elements/MeasureElement.h"

#include <cmath>
#include <iterator>
#include <new>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/MeasureDefaults.h"
#include "document/ShapeOp.h"
#include "document/ViewUpdater.h"
#include "elements/ElementShapes.h"
#include "elements/VertexRoundingList.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FontAttributes.h"
#include "geometry/LineAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"

namespace {
// In the order they are made and released.
constexpr ElementAttribute kMeasureAttributes[] = {
    ElementAttribute::font,      ElementAttribute::measure,  ElementAttribute::measureLine,
    ElementAttribute::arrowLine, ElementAttribute::arrowHead, ElementAttribute::vertices,
    ElementAttribute::thirdPoint,
};

} // namespace

Element* newMeasureElement() { return new (std::nothrow) MeasureElement; }

MeasureElement::MeasureElement() = default;

MeasureElement::~MeasureElement() { teardown(); }

void MeasureElement::initialize()
{
    shared_body::ensureAttributes(*this, kMeasureAttributes, static_cast<int>(std::size(kMeasureAttributes)));
}

void MeasureElement::teardown()
{
    shared_body::releaseAttributes(*this, kMeasureAttributes, static_cast<int>(std::size(kMeasureAttributes)));
}

void MeasureElement::bindOwners()
{
    if (vertices())
        vertices()->owner = context;
    if (thirdPoint())
        thirdPoint()->owner = context;
    if (font())
        font()->owner = context;
    if (measure())
        measure()->owner = context;
    if (measureLine())
        measureLine()->owner = context;
    if (arrowLine())
        arrowLine()->owner = context;
    if (arrowHead())
        arrowHead()->owner = context;
}

// --- store and extent ---

int MeasureElement::exchangeKindFields(int, ElementRecordBuffer&) { return 1; }

int MeasureElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !vertices() || !thirdPoint() || !font() || !measure() || !measureLine() ||
        !arrowLine() || !arrowHead() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        computeExtentToStore(1);
        return vertices()->serialize(1, buffer, 3, 1) && font()->exchangeRecord(1, buffer) &&
               measure()->exchangeRecord(1, buffer) && measureLine()->exchangeRecord(1, buffer) &&
               arrowLine()->exchangeRecord(1, buffer) && arrowHead()->exchangeRecord(1, buffer) &&
               thirdPoint()->writeRecord(buffer, 3, 0) && exchangeKindFields(1, buffer) &&
               serializeExtent(buffer, 1);
    }
    return vertices()->serialize(3, buffer, 3, 1) && font()->exchangeRecord(3, buffer) &&
           measure()->exchangeRecord(3, buffer) && measureLine()->exchangeRecord(3, buffer) &&
           arrowLine()->exchangeRecord(3, buffer) && arrowHead()->exchangeRecord(3, buffer) &&
           thirdPoint()->readRecord(buffer, 3, 0) && exchangeKindFields(3, buffer) && serializeExtent(buffer, 3);
}

void MeasureElement::startExtent()
{
    Point lo, hi;
    if (vertices() && vertices()->getBounds(&lo, &hi)) {
        static_cast<Point&>(extentMin) = lo;
        static_cast<Point&>(extentMax) = hi;
        if (thirdPoint())
            growExtent(*thirdPoint());
    } else if (thirdPoint()) {
        extentMin.x = extentMax.x = thirdPoint()->x;
        extentMin.y = extentMax.y = thirdPoint()->y;
    }
}

void MeasureElement::computeExtent(int mode)
{
    if (mode != 0 && mode != 1)
        return;
    bindOwners();
    startExtent();
    Point lo = extentMin, hi = extentMax;
    if (runElementExtent(*this, lo, hi)) {
        static_cast<Point&>(extentMin) = lo;
        static_cast<Point&>(extentMax) = hi;
    }
    if (mode == 0) {
        // One paper millimetre in drawing units.
        const double margin = scaleDenominator() / scaleNumerator();
        extentMin.x -= margin, extentMin.y -= margin;
        extentMax.x += margin, extentMax.y += margin;
    }
}

// --- picks and drawing ---

int MeasureElement::hitTestExtent() { return shared_body::hitTestExactExtent(*this); }

int MeasureElement::hitTest()
{
    if (!selectTool())
        return 0;
    bindOwners();
    if (runElementHitTest(*this))
        return 1;
    if (vertices() && vertexUnderCursor(*vertices(), 1) >= 0)
        return 1;
    return thirdPoint() && pointUnderCursor(thirdPoint(), nullptr, nullptr) != 0;
}

int MeasureElement::execute(int operation, double x, double y, double z)
{
    bindOwners();
    return shared_body::runShapeAt(*this, operation, x, y, z);
}

void MeasureElement::drawPointMarks(int operation, int withDisplay)
{
    Point p;
    for (int i = 0; vertices() && i < vertices()->count; ++i) {
        if (vertices()->getPoint(i, &p))
            drawPointMark(operation, p);
    }
    if (withDisplay && thirdPoint())
        drawPointMark(operation, *thirdPoint());
}

void MeasureElement::showPickHandles()
{
    measureHandlesExtent();
    handleFlags.clearAll();
    drawHandleMarks();
}

void MeasureElement::showPickColour()
{
    forwardOp(ShapeOp::ShowPicked);
    drawPointMarks(ShapeOp::ShowPicked, 0);
}

void MeasureElement::showPickMarks()
{
    if (forwardOp(ShapeOp::ShowPickMarks))
        drawPointMarks(ShapeOp::ShowPicked, 1);
}

void MeasureElement::repaintPicked() { shared_body::repaintPicked(*this); }

// --- geometry ---

void MeasureElement::translate(double dx, double dy, double dz)
{
    // Exactly (dx, dy, dz): a move and its undo bring every point back.
    if (vertices())
        (void)vertices()->translate(dx, dy, dz); // only a block that cannot be locked fails
    if (thirdPoint())
        thirdPoint()->translate(dx, dy, dz);
}

void MeasureElement::setPoint(int index, double x, double y, double z)
{
    if (index > 999) {
        if (thirdPoint())
            thirdPoint()->x = x, thirdPoint()->y = y, thirdPoint()->z = z;
        return;
    }
    if (vertices() && index >= 0 && index < vertices()->count)
        (void)vertices()->setXYZ(index, x, y, z); // the index lies in the list
}

void MeasureElement::scale(double factor, const Point& centre, int flags)
{
    if (vertices()) {
        for (int i = 0; i < vertices()->count; ++i) {
            Point p;
            if (vertices()->getPoint(i, &p) && p.scaleAbout(&centre, factor))
                (void)vertices()->setXYZ(i, p.x, p.y, p.z); // i lies in the list
        }
    }
    if (thirdPoint())
        (void)thirdPoint()->scaleAbout(&centre, factor); // a point and a centre: always scaled
    if (font())
        font()->scale(factor, flags);
    if (arrowLine())
        arrowLine()->scale(factor, flags);
    if (arrowHead())
        arrowHead()->scale(factor, flags);
    if (measure())
        measure()->scale(factor, flags);
    if (measureLine())
        measureLine()->scale(factor, flags);
}

void MeasureElement::clearPoints() { shared_body::clearPoints(*this); }

void MeasureElement::appendPoint(double x, double y, double z) { shared_body::appendPoint(*this, x, y, z); }

// --- defaults and value setters ---

void MeasureElement::takeDefaultAttributes()
{
    auto* defaults = static_cast<MeasureDefaults*>(elementDefaults(kind));
    if (!defaults)
        return;
    layer = defaults->getLayer();
    // Each value in the record's colour for it, the colours being kept apart there.
    if (font() && defaults->fontValues()) {
        font()->assign(defaults->fontValues());
        font()->markForLookup(); // the face is resolved once, for this element
        font()->lookUpFace();
    }
    if (measure() && defaults->numeral()) {
        measure()->assign(defaults->numeral());
        measure()->numeralColour.assign(defaults->textColor);
    }
    if (measureLine() && defaults->underline()) {
        measureLine()->assign(defaults->underline());
        measureLine()->LineStyle::assign(defaults->underline());
        measureLine()->colour.assign(defaults->ulineColor);
    }
    if (arrowLine() && defaults->leader()) {
        arrowLine()->assign(defaults->leader());
        arrowLine()->colour.assign(defaults->drawColor);
    }
    if (arrowHead() && defaults->arrowHead()) {
        (void)arrowHead()->copyFrom(defaults->arrowHead()); // a non-null source is always copied
        arrowHead()->setColour(defaults->arrowColor);
    }
}

ElementPropertyDialog* MeasureElement::makePropertyDialog()
{
    return shared_body::makePropertyDialog(*this, ElementKind::Measure);
}

int MeasureElement::editProperties(int hasPrevious, int hasNext)
{
    bindOwners();
    return shared_body::runPropertyDialog(*this, makePropertyDialog(), hasPrevious, hasNext);
}

void MeasureElement::setNumeralColour(const InkColor& value)
{
    if (measure())
        measure()->setNumeralColour(value);
}

void MeasureElement::setMeasureLineColour(const InkColor& value)
{
    if (measureLine())
        measureLine()->setColor(value);
}

void MeasureElement::setArrowLineColour(const InkColor& value) { shared_body::setLeaderColour(*this, value); }

void MeasureElement::setArrowHeadColour(const InkColor& value) { shared_body::setHeadColour(*this, value); }

void MeasureElement::setFontName(const FontAttributes& value) { shared_body::setFontFace(*this, value); }

void MeasureElement::setFontStyle(const FontAttributes& value) { shared_body::setFontStyle(*this, value); }

void MeasureElement::setFontSize(const FontAttributes& value) { shared_body::setFontSize(*this, value); }

void MeasureElement::setLengthNumeralUnits(const MeasureAttributes& value)
{
    if (measure()) {
        measure()->lengthUnit.copyFrom(&value.lengthUnit);
        measure()->angleUnit.copyFrom(&value.angleUnit);
    }
}

void MeasureElement::setUnitDisplay(const MeasureAttributes& value)
{
    if (measure())
        measure()->unitDisplay.value = value.unitDisplay.value;
}

void MeasureElement::setDecimalPlaces(const MeasureAttributes& value)
{
    if (measure())
        (void)measure()->setDecimals(value.decimals); // a value outside 0..50 keeps the old one
}

void MeasureElement::setNumeralSpace(const MeasureAttributes& value)
{
    if (measure())
        measure()->space = value.space;
}

void MeasureElement::setMeasureLineStyle(const LineAttribute& value)
{
    if (measureLine())
        measureLine()->style = value.style;
}

void MeasureElement::setMeasureLineWidth(const LineAttribute& value)
{
    if (measureLine())
        measureLine()->penWidth = value.penWidth;
}

void MeasureElement::setArrowLineStyle(const DrawLineAttribute& value) { shared_body::setLeaderStyle(*this, value); }

void MeasureElement::setArrowLineWidth(const DrawLineAttribute& value) { shared_body::setLeaderWidth(*this, value); }

void MeasureElement::setArrowLineSize1(const DrawLineAttribute& value)
{
    if (arrowLine())
        arrowLine()->space = value.space;
}

void MeasureElement::setArrowLineSize2(const DrawLineAttribute& value)
{
    if (arrowLine())
        arrowLine()->over = value.over;
}

void MeasureElement::setArrowHeadStyle(const ArrowHeadStyle& value) { shared_body::setHeadKind(*this, value); }

void MeasureElement::setArrowHeadLineSize(const ArrowHeadStyle& value) { shared_body::setHeadLineSize(*this, value); }

void MeasureElement::setArrowHeadLength(const ArrowHeadStyle& value) { shared_body::setHeadLength(*this, value); }

void MeasureElement::setArrowHeadLean(const ArrowHeadStyle& value) { shared_body::setHeadLean(*this, value); }

// --- files ---

void MeasureElement::takeDimensionAttributes(const Element& holder)
{
    if (font())
        font()->assign(holder.font());
    if (measure())
        measure()->assign(holder.measure());
    if (measureLine() && holder.measureLine()) {
        measureLine()->assign(holder.measureLine());
        measureLine()->LineStyle::assign(holder.measureLine());
    }
    if (arrowLine())
        arrowLine()->assign(holder.arrowLine());
    if (arrowHead() && holder.arrowHead())
        (void)arrowHead()->copyFrom(holder.arrowHead()); // a non-null source is always copied
    takeDocumentLayerAndGroup();
}

int MeasureElement::readXmlAttributes()
{
    bindOwners();
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !vertices() || !thirdPoint())
        return 0;
    if (holder->vertices() && !vertices()->copyPoints(holder->vertices()))
        return 0;
    if (holder->thirdPoint())
        static_cast<Point&>(*thirdPoint()) = *holder->thirdPoint();
    takeDimensionAttributes(*holder);
    return 1;
}

int MeasureElement::writeKindXml() { return 1; }

int MeasureElement::writeXml()
{
    bindOwners();
    Document* d = currentXmlContext();
    if (!d || !vertices() || !thirdPoint() || !font() || !measure() || !measureLine() || !arrowLine() || !arrowHead())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && vertices()->writeXml(d, tag_id::listXY) &&
           thirdPoint()->writeXml(d, tag_id::dispPoint) && font()->writeThroughHolder(d) &&
           measure()->writeElementXml(d, numeralUnitMode()) && measureLine()->writeThroughHolder(d) &&
           arrowLine()->writeThroughHolder(d) && arrowHead()->writeXmlThroughDocument(d) && writeKindXml() &&
           closeXmlSection();
}
