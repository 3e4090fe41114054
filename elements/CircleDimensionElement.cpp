// The radius and diameter dimensions: record, file section, creation on a measured element, the
// layout rule and the drag.
#include "elements/CircleDimensionElement.h"

#include <cmath>
#include <new>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "elements/ElementKindRegistry.h"
#include "elements/VertexRoundingList.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FontAttributes.h"
#include "geometry/LineAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/DiameterList.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/RadiusList.h"

namespace {
// In the order they are made and released; the value list follows.
constexpr ElementAttribute kCommonAttributes[] = {
    ElementAttribute::font,      ElementAttribute::measure,  ElementAttribute::measureLine,
    ElementAttribute::arrowLine, ElementAttribute::arrowHead, ElementAttribute::vertices,
    ElementAttribute::thirdPoint,
};
constexpr int kCommonCount = static_cast<int>(sizeof kCommonAttributes / sizeof kCommonAttributes[0]);
} // namespace

Element* newMsrRadiusElement() { return new (std::nothrow) MsrRadiusElement; }
Element* newMsrDiameterElement() { return new (std::nothrow) MsrDiameterElement; }

ValueList* MsrRadiusElement::values() const { return radii(); }
ValueList* MsrDiameterElement::values() const { return diameters(); }

ElementPropertyDialog* MsrRadiusElement::makePropertyDialog()
{
    return shared_body::makePropertyDialog(*this, ElementKind::MsrRadius);
}

ElementPropertyDialog* MsrDiameterElement::makePropertyDialog()
{
    return shared_body::makePropertyDialog(*this, ElementKind::MsrDiameter);
}

CircleDimensionElement::~CircleDimensionElement() { teardown(); }

void CircleDimensionElement::initialize()
{
    shared_body::ensureAttributes(*this, kCommonAttributes, kCommonCount);
    shared_body::ensureAttributes(*this, &valueAttribute, 1);
    // P1 always exists: the measured list holds exactly one point.
    if (vertices() && vertices()->count == 0)
        (void)vertices()->appendXYZ(0.0, 0.0, 0.0); // without room P1 is missing and nothing is drawn
}

void CircleDimensionElement::teardown()
{
    shared_body::releaseAttributes(*this, kCommonAttributes, kCommonCount);
    shared_body::releaseAttributes(*this, &valueAttribute, 1);
}

// --- record and file ---

int CircleDimensionElement::exchangeFields(int mode, ElementRecordBuffer& buffer)
{
    DrawPoint p1;
    if (mode == 1) {
        if (!vertices()->getPoint(0, &p1))
            return 0;
        return p1.writeRecord(buffer, 2, 0) && thirdPoint()->writeRecord(buffer, 2, 0) &&
               values()->exchangeRecord(1, buffer) && buffer.putInt(layout.value);
    }
    int32_t read = 0;
    if (!p1.readRecord(buffer, 2, 0) || !thirdPoint()->readRecord(buffer, 2, 0) ||
        !values()->exchangeRecord(3, buffer) || !buffer.getInt(read))
        return 0;
    vertices()->count = 0;
    layout.value = read;
    return vertices()->appendXYZ(p1.x, p1.y, 0.0);
}

int CircleDimensionElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !vertices() || !thirdPoint() || !values() || !font() || !measure() ||
        !measureLine() || !arrowLine() || !arrowHead() || (mode != 1 && mode != 3))
        return 0;
    bindOwners();
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1)
        computeExtentToStore(1);
    return font()->exchangeRecord(mode, buffer) && measure()->exchangeRecord(mode, buffer) &&
           measureLine()->exchangeRecord(mode, buffer) && arrowLine()->exchangeRecord(mode, buffer) &&
           arrowHead()->exchangeRecord(mode, buffer) && exchangeFields(mode, buffer) &&
           serializeExtent(buffer, mode);
}

int CircleDimensionElement::writeXml()
{
    bindOwners();
    Document* d = currentXmlContext();
    DrawPoint p1;
    if (!d || !vertices() || !vertices()->getPoint(0, &p1) || !thirdPoint() || !values() || !font() || !measure() ||
        !measureLine() || !arrowLine() || !arrowHead())
        return 0;
    p1.owner = context;
    values()->owner = context;
    return openXmlSection() && writeLayerAndGroup() && p1.writeXml(d, tag_id::startPoint) &&
           thirdPoint()->writeXml(d, tag_id::endPoint) && values()->writeXml() && layout.writeXml(d) &&
           font()->writeThroughHolder(d) && measure()->writeElementXml(d, numeralUnitMode()) &&
           measureLine()->writeThroughHolder(d) && arrowLine()->writeThroughHolder(d) &&
           arrowHead()->writeXmlThroughDocument(d) && closeXmlSection();
}

int CircleDimensionElement::readXmlAttributes()
{
    bindOwners();
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !vertices() || !thirdPoint() || !values())
        return 0;
    vertices()->count = 0;
    const DrawPoint* start = holder->firstPoint();
    if (!vertices()->appendXYZ(start ? start->x : 0.0, start ? start->y : 0.0, 0.0))
        return 0;
    if (const DrawPoint* end = holder->secondPoint())
        thirdPoint()->x = end->x, thirdPoint()->y = end->y, thirdPoint()->z = 0.0;
    const ValueList* read = valueAttribute == ElementAttribute::radii ? static_cast<const ValueList*>(holder->radii())
                                                                      : holder->diameters();
    (void)values()->copyFrom(read); // always 1
    layout.value = holder->readDrawType();
    takeDimensionAttributes(*holder);
    return 1;
}

// --- geometry ---

void CircleDimensionElement::startExtent()
{
    if (!thirdPoint())
        return;
    extentMin.x = extentMax.x = thirdPoint()->x;
    extentMin.y = extentMax.y = thirdPoint()->y;
}

void CircleDimensionElement::setPoint(int index, double x, double y, double z)
{
    if (index == 1)
        index = 0;
    else if (index == 2)
        index = kDisplayPointNumber;
    MeasureElement::setPoint(index, x, y, z);
}

void CircleDimensionElement::scale(double factor, const Point& about, int flags)
{
    MeasureElement::scale(factor, about, flags);
    if (values() && (flags & 1))
        values()->scale(factor, flags);
}

int CircleDimensionElement::editByMouse()
{
    const int key = typedCharacter();
    if (key == '+' || key == '-')
        return 0;
    return MeasureElement::editByMouse();
}

// --- layout and creation ---

void CircleDimensionElement::decideLayout(const Point& cursor)
{
    if (!thirdPoint())
        return;
    Point p2 = cursor;
    const double d = std::hypot(cursor.x - centre.x, cursor.y - centre.y);
    layout.value = isOnPaper(centre) && inPlace(d, p2) ? kIn : kOut;
    thirdPoint()->x = p2.x, thirdPoint()->y = p2.y, thirdPoint()->z = cursor.z;
}

int MsrRadiusElement::inPlace(double d, Point& p2) const
{
    if (!radii() || !(radii()->minimum() > d))
        return 0;
    p2 = centre;
    return 1;
}

int MsrDiameterElement::inPlace(double d, Point& p2) const
{
    Point p1;
    if (!diameters() || !(diameters()->minimum() / 2.0 > d) || !vertices() || !vertices()->getPoint(0, &p1))
        return 0;
    const double r = std::hypot(p1.x - centre.x, p1.y - centre.y);
    if (!(r > 0.0) || !std::isfinite(r))
        return 0; // P1 on the centre has no opposite point
    p2 = Point(centre.x + (centre.x - p1.x), centre.y + (centre.y - p1.y), p1.z);
    return 1;
}

int CircleDimensionElement::beginCreateInput(int arg)
{
    if (!vertices() || !thirdPoint() || !values() || !inputPointList())
        return 0;
    layout.value = kOut;
    inputPending = 0;
    overlayShown = 0;
    Point press;
    if (!previousInputPoint(&press))
        return kCancelled;
    vertices()->count = 0;
    if (!vertices()->appendXYZ(press.x, press.y, 0.0))
        return kCancelled;
    thirdPoint()->x = press.x, thirdPoint()->y = press.y;
    double found[2] = {};
    int n = 0;
    if (Element* measured = loadElementUnderCursor()) {
        n = askMeasured(*measured, found, centre);
        (void)theKindRegistry->destroyElement(measured->kind, measured); // always frees it
    }
    if (n < 1 || !values()->setAll(n > 2 ? 2 : n, found)) {
        (void)waitButtonUp(); // a cancelled wait ends as a missed click does
        return isDoubleClick() ? kDoubleClick : kCancelled;
    }
    return continueCreateInput(arg);
}

int CircleDimensionElement::continueCreateInput(int)
{
    inputPending = 1;
    if (!vertices() || !thirdPoint())
        return 0;
    if (const int up = waitButtonUp())
        return up;
    int result = placeDisplay(0);
    if (overlayShown)
        flushView();
    inputPending = result == kCancelled ? 1 : 0; // a cancelled placement resumes with the next step
    return result;
}
