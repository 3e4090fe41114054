// The polygon and arcpolygon elements: record, outline pick, overlay figures, closed-edge snap,
// the drawing file, the SVG and DXF calls and the creation input with its closing rule.
#include "elements/PolygonElement.h"

#include <iterator>
#include <new>

#include "document/Document.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/ShapeOp.h"
#include "elements/DxfFile.h"
#include "elements/PolyPath.h"
#include "elements/PolylineInput.h"
#include "elements/SvgDocument.h"
#include "elements/VertexEditing.h"
#include "elements/VertexRoundingList.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "geometry/ViewParams.h"

namespace {
constexpr ElementAttribute kPolygonAttributes[] = {
    ElementAttribute::edge,      ElementAttribute::fill,         ElementAttribute::hatch,
    ElementAttribute::vertices,  ElementAttribute::vertexRounding, ElementAttribute::lineWidth,
    ElementAttribute::linePosition, ElementAttribute::lineType,
};

// The overlay figure of an edit that also marks the vertex being entered.
constexpr int kEnteringFigure = 37;
} // namespace

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
    if (!store || !store->recordBuffer || !edge() || !fill() || !hatch() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1)
        computeExtentToStore(1);
    return edge()->exchangeRecord(mode, buffer) && fill()->exchangeRecord(mode, buffer) &&
           hatch()->exchangeRecord(mode, buffer) && exchangePointsAndStroke(mode, buffer, withRounding) &&
           serializeExtent(buffer, mode);
}

// --- picks and drawing ---

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

// --- snaps and the property dialog ---

int PolygonElement::snapToNearestEdge(Point* p, const Point*)
{
    return p && vertices() && snapToNearestEdgeClosed(*p, 0, *vertices(), 1);
}

int PolygonElement::editProperties(int hasPrevious, int hasNext)
{
    shared_body::preparePointList(*this);
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Polygon),
                                          hasPrevious, hasNext);
}

// --- value setters ---

void PolygonElement::setLineColour(const InkColor& value) { shared_body::setEdgeColour(*this, value); }
void PolygonElement::setFillColour(const InkColor& value) { shared_body::setFillColour(*this, value); }
void PolygonElement::setHatchColour(const InkColor& value) { shared_body::setHatchColour(*this, value); }
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
    if (!readPointsAndStroke(*holder))
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

void PolygonElement::takeDefaultAttributes() { shared_body::takeClosedDefaults(*this); }

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
