// The breakline and arcbreakline elements: record, open-polyline pick, creation input, the
// drawing file and the property dialog.
#include "elements/BreaklineElement.h"

#include <cmath>
#include <new>

#include "document/Document.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "elements/PolylineInput.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/GrayValue.h"
#include "geometry/InkColor.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"

namespace {
constexpr ElementAttribute kBreaklineAttributes[] = {
    ElementAttribute::colour,       ElementAttribute::vertices, ElementAttribute::vertexRounding,
    ElementAttribute::lineWidth,    ElementAttribute::linePosition, ElementAttribute::lineType,
    ElementAttribute::lineCap,      ElementAttribute::gray,
};
} // namespace

Element* newBreaklineElement() { return new (std::nothrow) BreaklineElement; }
Element* newArcBreaklineElement() { return new (std::nothrow) ArcBreaklineElement; }

BreaklineElement::BreaklineElement() = default;

BreaklineElement::~BreaklineElement() { teardown(); }

void BreaklineElement::initialize()
{
    for (ElementAttribute which : kBreaklineAttributes)
        (void)ensureAttribute(which); // a slot left null makes the operations that need it do nothing
}

void BreaklineElement::teardown()
{
    for (ElementAttribute which : kBreaklineAttributes)
        releaseAttribute(which);
}

// --- store and extent ---

int BreaklineElement::exchangeRecord(int mode) { return exchangeRecordOf(mode, 1); }

int ArcBreaklineElement::exchangeRecord(int mode) { return exchangeRecordOf(mode, 0); }

int BreaklineElement::exchangeRecordOf(int mode, int withRounding)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !colour() || !lineCap() || !gray() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1)
        computeExtentToStore(1);
    int32_t cap = lineCap()->capStyle;
    if (!colour()->exchangeRecord(mode, buffer) || !exchangePointsAndStroke(mode, buffer, withRounding) ||
        !(mode == 1 ? buffer.putInt(cap) : buffer.getInt(cap)) || !gray()->exchangeRecord(mode, buffer) ||
        !serializeExtent(buffer, mode))
        return 0;
    lineCap()->capStyle = cap;
    return 1;
}

int BreaklineElement::thinInkExtent(Point& lo, Point& hi, double& fromViewScale)
{
    PointList* points = vertices();
    if (kind != kindCode(ElementKind::Breakline) || !points || !lineWidth() || !points->getBounds(&lo, &hi))
        return 0;
    const double w = lineWidth()->width * scaleDenominator() / scaleNumerator();
    if (!std::isfinite(w) || w < 0.0)
        return 0;
    lo.x = std::fmax(lo.x - w, extentMin.x), lo.y = std::fmax(lo.y - w, extentMin.y);
    hi.x = std::fmin(hi.x + w, extentMax.x), hi.y = std::fmin(hi.y + w, extentMax.y);
    if (!(lo.x <= hi.x && lo.y <= hi.y) ||
        (lo.x == extentMin.x && lo.y == extentMin.y && hi.x == extentMax.x && hi.y == extentMax.y))
        return 0;
    // The width is w / scale pixels, cut to whole pixels; under 2.5 it is 1 whatever the rounding.
    fromViewScale = w / 2.5;
    return 1;
}

// --- picks ---

void BreaklineElement::showInputOverlay(int)
{
    beginOverlay();
    drawRubberBandFrame();
}

// --- input ---

void BreaklineElement::takeDefaultAttributes() { shared_body::takeLineDefaults(*this); }

int BreaklineElement::beginCreateInput(int)
{
    if (!vertices())
        return kCancelled;
    if (vertexRounding())
        vertexRounding()->count = 0;
    PolylineInput input(*this, *vertices(), maximumInputPoints());
    return input.begin();
}

int BreaklineElement::continueCreateInput(int)
{
    if (!vertices())
        return kCancelled;
    inputPending = 0;
    PolylineInput input(*this, *vertices(), maximumInputPoints());
    return input.run();
}

// --- snaps and the property dialog ---

int BreaklineElement::snapToNearestEdge(Point* p, const Point*) { return shared_body::snapToNearestEdgeOpen(*this, p); }

int BreaklineElement::editProperties(int hasPrevious, int hasNext)
{
    shared_body::preparePointList(*this);
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Breakline),
                                          hasPrevious, hasNext);
}

// --- value setters ---

void BreaklineElement::setLineColour(const InkColor& value) { shared_body::setColour(*this, value); }
void BreaklineElement::setLineCap(const LineCapAttribute& value) { shared_body::setLineCap(*this, value); }

// --- files ---

int BreaklineElement::readXmlAttributes()
{
    shared_body::preparePointList(*this);
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !vertices())
        return 0;
    if (colour() && holder->colour())
        colour()->assign(holder->colour());
    if (lineCap())
        lineCap()->assign(holder->lineCap());
    if (gray())
        gray()->assign(holder->gray());
    if (!readPointsAndStroke(*holder))
        return 0;
    takeDocumentLayerAndGroup();
    return 1;
}

int BreaklineElement::writeXml()
{
    shared_body::preparePointList(*this);
    Document* d = currentXmlContext();
    if (!d || !colour() || !vertices() || !lineWidth() || !linePosition() || !lineType() || !lineCap() || !gray())
        return 0;
    // The spline keeps no rounding list and so writes none.
    return openXmlSection() && writeLayerAndGroup() && colour()->writeXml(d) && lineWidth()->writeXml(d) &&
           linePosition()->writeXml(d) && lineType()->writeXml(d) && lineCap()->writeXml() && gray()->writeXml(d) &&
           vertices()->writeXml(d, tag_id::listXY) && (!vertexRounding() || vertexRounding()->writeXml()) &&
           closeXmlSection();
}
