// The breakline and arcbreakline elements: record, extent, shape, picks, geometry, the drawing
// file and the vertex editing.
#include "elements/BreaklineElement.h"

#include <cmath>
#include <new>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/TagIds.h"
#include "document/UndoManager.h"
#include "elements/ElementShapeRunners.h"
#include "elements/PolylineInput.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/GrayValue.h"
#include "geometry/InkColor.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/PointList.h"
#include "platform/CurrentEvent.h"
#include "platform/MouseSource.h"
#include "shapes/ShapeOp.h"
#include "views/ViewParams.h"
#include "views/ViewUpdater.h"
#include "views/tools/SelectTool.h"

namespace {
constexpr ElementAttribute kBreaklineAttributes[] = {
    ElementAttribute::colour,       ElementAttribute::vertices, ElementAttribute::vertexRounding,
    ElementAttribute::lineWidth,    ElementAttribute::linePosition, ElementAttribute::lineType,
    ElementAttribute::lineCap,      ElementAttribute::gray,
};

// The overlay margin around a picked polyline, in pixels.
constexpr int kPickedMargin = 4;
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
    if (!store || !store->recordBuffer || !colour() || !vertices() || !vertexRounding() || !lineWidth() ||
        !linePosition() || !lineType() || !lineCap() || !gray() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        computeExtent(1);
        return colour()->exchangeRecord(1, buffer) && vertices()->serialize(1, buffer, 3, 1) &&
               (!withRounding || vertexRounding()->exchangeRecord(1, buffer)) &&
               lineWidth()->exchangeRecord(1, buffer) && buffer.putInt(linePosition()->position) &&
               lineType()->exchangeRecord(1, buffer) && buffer.putInt(lineCap()->capStyle) &&
               gray()->exchangeRecord(1, buffer) && serializeExtent(buffer, 1);
    }
    int32_t position = 0, cap = 0;
    if (!withRounding)
        vertexRounding()->count = 0;
    if (!colour()->exchangeRecord(3, buffer) || !vertices()->serialize(3, buffer, 3, 1) ||
        (withRounding && !vertexRounding()->exchangeRecord(3, buffer)) || !lineWidth()->exchangeRecord(3, buffer) ||
        !buffer.getInt(position) || !lineType()->exchangeRecord(3, buffer) || !buffer.getInt(cap) ||
        !gray()->exchangeRecord(3, buffer) || !serializeExtent(buffer, 3))
        return 0;
    linePosition()->position = position;
    lineCap()->capStyle = cap;
    return 1;
}

void BreaklineElement::computeExtent(int mode)
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

// --- picks ---

int BreaklineElement::hitTestExtent()
{
    SelectTool* tool = selectTool();
    if (!tool)
        return 0;
    computeExtent(1);
    return tool->extentContainsPickCentre(extentMin, extentMax);
}

int BreaklineElement::hitTest()
{
    SelectTool* tool = selectTool();
    if (!tool || !vertices())
        return 0;
    return tool->hitOpenPolyline(*vertices(), lineWidth() ? lineWidth()->width : 0.0,
                                 linePosition() ? linePosition()->position : LineOriginAttribute::kCenter);
}

int BreaklineElement::hitHandle(int* handle, int* flag) { return shared_body::hitHandleOfExactExtent(*this, handle, flag); }

int BreaklineElement::isInSelectionArea() { return shared_body::isExactExtentInSelectionArea(*this); }

// --- drawing ---

int BreaklineElement::execute(int operation, double x, double y, double z)
{
    shared_body::preparePointList(*this);
    const double offset[3] = {x, y, z};
    return runElementShape(*this, operation, offset, nullptr);
}

void BreaklineElement::showPickHandles()
{
    computeExtent(1);
    handleFlags.setAll();
    drawHandleMarks();
}

void BreaklineElement::showPickColour()
{
    if (forwardOp(ShapeOp::ShowPicked))
        drawVertexMarks(ShapeOp::ShowPicked);
}

void BreaklineElement::showPickMarks()
{
    if (forwardOp(ShapeOp::ShowPickMarks))
        drawVertexMarks(ShapeOp::ShowPicked);
}

void BreaklineElement::drawVertexMarks(int operation)
{
    const PointList* points = vertices();
    Point p;
    for (int i = 0; points && i < points->count; ++i) {
        if (points->getPoint(i, &p))
            drawPointMark(operation, p);
    }
}

void BreaklineElement::drawRotatedPreview(double angle, double centreX, double centreY, double fourth)
{
    shared_body::preparePointList(*this);
    const double offset[3] = {0.0, 0.0, 0.0};
    const double rotation[4] = {angle, centreX, centreY, fourth};
    (void)runElementShape(*this, ShapeOp::RotatedPreview, offset, rotation); // a preview that cannot be drawn shows nothing
}

void BreaklineElement::repaintPicked() { shared_body::repaintPickedInView(*this); }

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

// --- geometry ---

void BreaklineElement::translate(double dx, double dy, double dz) { shared_body::translatePoints(*this, dx, dy, dz); }
void BreaklineElement::rotate(double angle, double centreX, double centreY, double)
{
    shared_body::rotatePoints(*this, angle, centreX, centreY);
}
void BreaklineElement::setPoint(int index, double x, double y, double z) { shared_body::setListPoint(*this, index, x, y, z); }
void BreaklineElement::scale(double factor, const Point& centre, int flags) { shared_body::scalePoints(*this, factor, centre, flags); }
void BreaklineElement::clearPoints() { shared_body::clearPoints(*this); }
void BreaklineElement::appendPoint(double x, double y, double z) { shared_body::appendPoint(*this, x, y, z); }
DoubleArray* BreaklineElement::getVertexRounding() { return vertexRounding(); }

int BreaklineElement::snapToNearestPoint(Point* p) { return shared_body::snapToNearestListPoint(*this, p); }
int BreaklineElement::snapToKeyPoint(Point* p) { return snapToNearestPoint(p); }
int BreaklineElement::snapToNearestEdge(Point* p, const Point*) { return shared_body::snapToNearestEdgeOpen(*this, p); }

// --- value setters ---

void BreaklineElement::setLineColour(const InkColor& value) { shared_body::setColour(*this, value); }
void BreaklineElement::setLineWidth(const LineSizeAttribute& value) { shared_body::setLineWidth(*this, value); }
void BreaklineElement::setLinePosition(const LineOriginAttribute& value) { shared_body::setLinePosition(*this, value); }
void BreaklineElement::setLineStyle(const LineTypeAttribute& value) { shared_body::setLineStyle(*this, value); }
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
    if (lineWidth())
        lineWidth()->assign(holder->lineWidth());
    if (linePosition())
        linePosition()->assign(holder->linePosition());
    if (lineType() && holder->lineType())
        lineType()->LineStyle::assign(holder->lineType());
    if (lineCap())
        lineCap()->assign(holder->lineCap());
    if (gray())
        gray()->assign(holder->gray());
    if (holder->vertices() && !vertices()->copyPoints(holder->vertices()))
        return 0;
    if (vertexRounding() && holder->vertexRounding() && !vertexRounding()->copyFrom(holder->vertexRounding()))
        return 0;
    takeDocumentLayerAndGroup();
    return 1;
}

int BreaklineElement::writeXml()
{
    shared_body::preparePointList(*this);
    Document* d = currentXmlContext();
    if (!d || !colour() || !vertices() || !vertexRounding() || !lineWidth() || !linePosition() || !lineType() ||
        !lineCap() || !gray())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && colour()->writeXml(d) && lineWidth()->writeXml(d) &&
           linePosition()->writeXml(d) && lineType()->writeXml(d) && lineCap()->writeXml() && gray()->writeXml(d) &&
           vertices()->writeXml(d, tag_id::listXY) && vertexRounding()->writeXml() && closeXmlSection();
}
