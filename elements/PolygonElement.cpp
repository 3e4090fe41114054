// The polygon and arcpolygon elements: record, extent, shape, picks, geometry, the drawing file
// and the SVG and DXF calls.
#include "elements/PolygonElement.h"

#include <cmath>
#include <iterator>
#include <new>

#include "dialogs/properties/PolygonPropertyDialog.h"
#include "document/Document.h"
#include "document/ElementStore.h"
#include "document/TagIds.h"
#include "elements/ElementShapeRunners.h"
#include "elements/PolylineInput.h"
#include "elements/VertexEditing.h"
#include "elements/VertexRoundingList.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/PointList.h"
#include "geometry/PolyPath.h"
#include "io/dxf/DxfFile.h"
#include "io/svg/SvgDocument.h"
#include "shapes/ShapeOp.h"
#include "views/ViewParams.h"
#include "views/ViewUpdater.h"
#include "views/tools/SelectTool.h"

namespace {
constexpr ElementAttribute kPolygonAttributes[] = {
    ElementAttribute::edge,      ElementAttribute::fill,         ElementAttribute::hatch,
    ElementAttribute::vertices,  ElementAttribute::vertexRounding, ElementAttribute::lineWidth,
    ElementAttribute::linePosition, ElementAttribute::lineType,
};

// The overlay margin around a picked polygon, in pixels.
constexpr int kPickedMargin = 4;
// The overlay figure of an edit that also marks the vertex being entered.
constexpr int kEnteringFigure = 37;
} // namespace

PolygonPropertyDialogMaker makePolygonPropertyDialog = nullptr;

Element* newPolygonElement() { return new (std::nothrow) PolygonElement; }
Element* newArcPolygonElement() { return new (std::nothrow) ArcPolygonElement; }

PolygonElement::PolygonElement() = default;

PolygonElement::~PolygonElement() { teardown(); }

void PolygonElement::initialize()
{
    shared_body::ensureAttributes(*this, kPolygonAttributes, static_cast<int>(std::size(kPolygonAttributes)));
    if (!input_)
        input_ = new (std::nothrow) PolyPath(this, vertices(), 0); // without it creation answers -1
}

void PolygonElement::teardown()
{
    delete input_;
    input_ = nullptr;
    shared_body::releaseAttributes(*this, kPolygonAttributes, static_cast<int>(std::size(kPolygonAttributes)));
}

PolyPath* PolygonElement::boundInput()
{
    if (!input_ || !vertices())
        return nullptr;
    // The lists may have been made again since initialize.
    input_->output = vertices();
    input_->rounding = vertexRounding();
    input_->selectCurrentList();
    return input_;
}

// --- store and extent ---

int PolygonElement::exchangeRecord(int mode) { return exchangeRecordOf(mode, 1); }

int ArcPolygonElement::exchangeRecord(int mode) { return exchangeRecordOf(mode, 0); }

int PolygonElement::exchangeRecordOf(int mode, int withRounding)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !edge() || !fill() || !hatch() || !vertices() || !vertexRounding() ||
        !lineWidth() || !linePosition() || !lineType() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        computeExtent(1);
        return edge()->exchangeRecord(1, buffer) && fill()->exchangeRecord(1, buffer) &&
               hatch()->exchangeRecord(1, buffer) && vertices()->serialize(1, buffer, 3, 1) &&
               (!withRounding || vertexRounding()->exchangeRecord(1, buffer)) &&
               lineWidth()->exchangeRecord(1, buffer) && buffer.putInt(linePosition()->position) &&
               lineType()->exchangeRecord(1, buffer) && serializeExtent(buffer, 1);
    }
    int32_t position = 0;
    if (!withRounding)
        vertexRounding()->count = 0;
    if (!edge()->exchangeRecord(3, buffer) || !fill()->exchangeRecord(3, buffer) || !hatch()->exchangeRecord(3, buffer) ||
        !vertices()->serialize(3, buffer, 3, 1) || (withRounding && !vertexRounding()->exchangeRecord(3, buffer)) ||
        !lineWidth()->exchangeRecord(3, buffer) || !buffer.getInt(position) || !lineType()->exchangeRecord(3, buffer) ||
        !serializeExtent(buffer, 3))
        return 0;
    linePosition()->position = position;
    return 1;
}

void PolygonElement::computeExtent(int mode)
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

int PolygonElement::hitTestExtent()
{
    SelectTool* tool = selectTool();
    if (!tool)
        return 0;
    computeExtent(1);
    return tool->extentContainsPickCentre(extentMin, extentMax);
}

int PolygonElement::hitTest()
{
    if (!vertices())
        return 0;
    return hitTestOutline(*vertices(), lineWidth() ? lineWidth()->width : 0.0,
                          linePosition() ? linePosition()->position : LineOriginAttribute::kCenter, edge(), fill(),
                          hatch());
}

int PolygonElement::hitHandle(int* handle, int* flag) { return shared_body::hitHandleOfExactExtent(*this, handle, flag); }

int PolygonElement::isInSelectionArea() { return shared_body::isExactExtentInSelectionArea(*this); }

// --- drawing ---

int PolygonElement::execute(int operation, double x, double y, double z)
{
    shared_body::preparePointList(*this);
    const double offset[3] = {x, y, z};
    return runElementShape(*this, operation, offset, nullptr);
}

void PolygonElement::showPickHandles()
{
    computeExtent(1);
    handleFlags.setAll();
    drawHandleMarks();
}

void PolygonElement::showPickColour()
{
    if (forwardOp(ShapeOp::ShowPicked))
        shared_body::drawVertexMarks(*this, ShapeOp::ShowPicked);
}

void PolygonElement::showPickMarks()
{
    if (forwardOp(ShapeOp::ShowPickMarks))
        shared_body::drawVertexMarks(*this, ShapeOp::ShowPicked);
}

void PolygonElement::drawRotatedPreview(double angle, double centreX, double centreY, double fourth)
{
    shared_body::preparePointList(*this);
    const double offset[3] = {0.0, 0.0, 0.0};
    const double rotation[4] = {angle, centreX, centreY, fourth};
    (void)runElementShape(*this, ShapeOp::RotatedPreview, offset, rotation); // a preview that cannot be drawn shows nothing
}

void PolygonElement::repaintPicked()
{
    computeExtent(0);
    if (!viewUpdater() || !viewParams())
        return;
    growSavedExtent();
    restoreOverlay(savedExtentMin, savedExtentMax, kPickedMargin);
    forwardOp(ShapeOp::RubberBand);
    showOverlay(savedExtentMin, savedExtentMax, kPickedMargin);
    saveExtent();
    clipToView();
    showPicked();
    resetClip();
}

void PolygonElement::drawOverlayFigure(int operation)
{
    switch (operation) {
    case ShapeOp::RubberBand:
        drawRubberBandFrame();
        return;
    case ShapeOp::OverlayStep32:
        forwardOp(ShapeOp::OverlayStep32);
        showPicked();
        return;
    case ShapeOp::OverlayStep33:
    case kEnteringFigure: {
        forwardOp(ShapeOp::OverlayStep33);
        shared_body::drawVertexMarks(*this, ShapeOp::OverlayPicked);
        Point entered;
        if (operation != ShapeOp::OverlayStep33 && input_ && input_->current &&
            input_->current->getLastRecord(&entered))
            drawPointMark(ShapeOp::OverlayPicked, entered);
        return;
    }
    default:
        return;
    }
}

// --- geometry ---

void PolygonElement::translate(double dx, double dy, double dz) { shared_body::translatePoints(*this, dx, dy, dz); }
void PolygonElement::rotate(double angle, double centreX, double centreY, double)
{
    shared_body::rotatePoints(*this, angle, centreX, centreY);
}
void PolygonElement::setPoint(int index, double x, double y, double z) { shared_body::setListPoint(*this, index, x, y, z); }
void PolygonElement::scale(double factor, const Point& centre, int flags) { shared_body::scalePoints(*this, factor, centre, flags); }
void PolygonElement::clearPoints() { shared_body::clearPoints(*this); }
void PolygonElement::appendPoint(double x, double y, double z) { shared_body::appendPoint(*this, x, y, z); }
DoubleArray* PolygonElement::getVertexRounding() { return vertexRounding(); }

int PolygonElement::editByMouse() { return shared_body::editVertexByMouse(*this, kMinimumVertices); }
int PolygonElement::dragHandle(int handle) { return shared_body::dragVertexHandle(*this, handle); }

int PolygonElement::snapToNearestPoint(Point* p) { return shared_body::snapToNearestListPoint(*this, p); }
int PolygonElement::snapToKeyPoint(Point* p) { return snapToNearestPoint(p); }
int PolygonElement::snapToNearestEdge(Point* p, const Point*)
{
    return p && vertices() && snapToNearestEdgeClosed(*p, 0, *vertices(), 1);
}

int PolygonElement::editProperties(int hasPrevious, int hasNext)
{
    shared_body::preparePointList(*this);
    return shared_body::runPropertyDialog(*this, makePolygonPropertyDialog ? makePolygonPropertyDialog() : nullptr,
                                          hasPrevious, hasNext);
}

// --- value setters ---

void PolygonElement::setLineColour(const InkColor& value) { shared_body::setEdgeColour(*this, value); }
void PolygonElement::setFillColour(const InkColor& value) { shared_body::setFillColour(*this, value); }
void PolygonElement::setHatchColour(const InkColor& value) { shared_body::setHatchColour(*this, value); }
void PolygonElement::setLineWidth(const LineSizeAttribute& value) { shared_body::setLineWidth(*this, value); }
void PolygonElement::setLinePosition(const LineOriginAttribute& value) { shared_body::setLinePosition(*this, value); }
void PolygonElement::setLineStyle(const LineTypeAttribute& value) { shared_body::setLineStyle(*this, value); }
void PolygonElement::setEdgeDrawn(const EdgeAttributes& value) { shared_body::setEdgeDrawn(*this, value); }
void PolygonElement::setFillDrawn(const FillAttributes& value) { shared_body::setFillDrawn(*this, value); }
void PolygonElement::setHatchPattern(const HatchAttributes& value) { shared_body::setHatchPattern(*this, value); }
void PolygonElement::setHatchPitch1(const HatchAttributes& value) { shared_body::setHatchPitch1(*this, value); }
void PolygonElement::setHatchPitch2(const HatchAttributes& value) { shared_body::setHatchPitch2(*this, value); }
void PolygonElement::setFillGray(const FillAttributes& value) { shared_body::setFillGray(*this, value); }

// --- files ---

int PolygonElement::readXmlAttributes()
{
    shared_body::preparePointList(*this);
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !vertices())
        return 0;
    if (edge() && holder->edge())
        edge()->assign(holder->edge());
    if (fill() && holder->fill())
        fill()->assign(holder->fill());
    if (hatch() && holder->hatch())
        hatch()->assign(holder->hatch());
    if (lineWidth())
        lineWidth()->assign(holder->lineWidth());
    if (linePosition())
        linePosition()->assign(holder->linePosition());
    if (lineType() && holder->lineType())
        lineType()->LineStyle::assign(holder->lineType());
    if (holder->vertices() && !vertices()->copyPoints(holder->vertices()))
        return 0;
    if (vertexRounding() && holder->vertexRounding() && !vertexRounding()->copyFrom(holder->vertexRounding()))
        return 0;
    takeDocumentLayerAndGroup();
    return 1;
}

int PolygonElement::writeXml()
{
    shared_body::preparePointList(*this);
    Document* d = currentXmlContext();
    if (!d || !edge() || !fill() || !hatch() || !vertices() || !vertexRounding() || !lineWidth() || !linePosition() ||
        !lineType())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && edge()->writeXml(d) && fill()->writeXml(d) &&
           hatch()->writeXml(d) && lineWidth()->writeXml(d) && linePosition()->writeXml(d) &&
           lineType()->writeXml(d) && vertices()->writeXml(d, tag_id::listXY) && vertexRounding()->writeXml() &&
           closeXmlSection();
}

int PolygonElement::writeSvg(SvgDocument* writer)
{
    if (!writer || !vertices())
        return -1;
    return writer->beginItem(SvgDocument::kPolygon) && writer->writePointList(*vertices(), SvgDocument::kPointMode) &&
                   writer->endItem()
               ? 1
               : -1;
}

int PolygonElement::writeDxf(DxfFile* writer)
{
    if (!writer || !vertices())
        return -1;
    return writer->beginEntity(DxfFile::kPolygon) && writer->writePointList(*vertices(), layer) &&
                   writer->endEntity()
               ? 1
               : -1;
}

// --- creation input ---

void PolygonElement::takeDefaultAttributes() { shared_body::takeAreaDefaults(*this); }

int PolygonElement::beginCreateInput(int arg)
{
    PolyPath* path = boundInput();
    if (!path)
        return kCancelled;
    if (vertexRounding())
        vertexRounding()->count = 0;
    const int result = path->beginInput(arg);
    return result == 0 ? kCancelled : result;
}

int PolygonElement::continueCreateInput(int arg)
{
    PolyPath* path = boundInput();
    if (!path)
        return kCancelled;
    inputPending = 0;
    return path->runInput(arg);
}

int PolygonElement::acceptsVertex(PolyPath& path, int* more)
{
    int wanted = 0;
    int closes = 0;
    const PointList* list = path.current;
    ViewParams* view = viewParams();
    Point last, previous, first;
    if (view && list && list->count >= 2 && list->getRecord(list->count - 1, &last) &&
        list->getRecord(list->count - 2, &previous) && list->getRecord(0, &first)) {
        IntPoint lastDevice, previousDevice, firstDevice;
        view->worldToDevice(last.x, last.y, &lastDevice);
        view->worldToDevice(previous.x, previous.y, &previousDevice);
        view->worldToDevice(first.x, first.y, &firstDevice);
        if (pixelDistance(lastDevice, previousDevice) >= kIgnorePixels) {
            if (pixelDistance(lastDevice, firstDevice) >= kClosePixels)
                wanted = 1;
            else
                closes = list->count > 3;
        }
    }
    if (more)
        *more = wanted;
    return closes;
}
