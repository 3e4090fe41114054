// The Bezier curve element: record, extent, picks, shape, overlay figures, geometry, snaps, the
// value setters and the drawing file; creation and point editing go to its BezierPath.
#include "elements/BezierElement.h"

#include <cmath>
#include <iterator>
#include <new>

#include "document/BezierDefaults.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "elements/BezierPath.h"
#include "elements/ElementShapes.h"
#include "elements/PolyPath.h"
#include "elements/PolylineInput.h"
#include "elements/VertexRoundingList.h"
#include "geometry/BezierFlattener.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "geometry/ViewParams.h"

namespace {
constexpr ElementAttribute kBezierAttributes[] = {
    ElementAttribute::edge,      ElementAttribute::fill,      ElementAttribute::vertices,
    ElementAttribute::openClose, ElementAttribute::lineWidth, ElementAttribute::hatch,
};

// The overlay figures and the mark surfaces they use.
constexpr int kCreateFigure = 21;
constexpr int kHandleFigure = 32;
constexpr int kEditFigure = 33;
constexpr int kAddFigure = 35;
constexpr int kEditOverlay = 22;
} // namespace

Element* newBezierElement() { return new (std::nothrow) BezierElement; }

BezierElement::BezierElement() = default;

BezierElement::~BezierElement() { teardown(); }

void BezierElement::initialize()
{
    shared_body::ensureAttributes(*this, kBezierAttributes, std::size(kBezierAttributes));
    if (!editor)
        editor = new (std::nothrow) BezierPath(this, vertices(), openClose());
}

BezierPath* BezierElement::path()
{
    // The sub-objects may have been made again since the path was bound.
    if (editor) {
        editor->points = vertices();
        editor->openClose = openClose();
    }
    return editor;
}

void BezierElement::teardown()
{
    shared_body::releaseAttributes(*this, kBezierAttributes, std::size(kBezierAttributes));
    delete editor;
    editor = nullptr;
}

// --- store and extent ---

int BezierElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !edge() || !fill() || !vertices() || !openClose() || !lineWidth() ||
        !hatch() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        computeExtentToStore(0);
        return edge()->exchangeRecord(1, buffer) && fill()->exchangeRecord(1, buffer) &&
               buffer.putInt(openClose()->value) && vertices()->serialize(1, buffer, 3, 1) &&
               lineWidth()->exchangeRecord(1, buffer) && hatch()->exchangeRecord(1, buffer) &&
               serializeExtent(buffer, 1);
    }
    int32_t openOrClosed = 0;
    if (!edge()->exchangeRecord(3, buffer) || !fill()->exchangeRecord(3, buffer) || !buffer.getInt(openOrClosed) ||
        !vertices()->serialize(3, buffer, 3, 1) || !lineWidth()->exchangeRecord(3, buffer) ||
        !hatch()->exchangeRecord(3, buffer) || !serializeExtent(buffer, 3))
        return 0;
    openClose()->value = openOrClosed;
    return 1;
}

void BezierElement::computeExtent(int mode)
{
    Point lo, hi;
    if (!vertices() || !vertices()->getBounds(&lo, &hi))
        return;
    double w = 0.0;
    if (mode == 0 && lineWidth()) {
        w = lineWidth()->width * scaleDenominator() / scaleNumerator();
        if (!std::isfinite(w) || w < 0.0)
            w = 0.0;
    }
    static_cast<Point&>(extentMin) = Point(lo.x - w, lo.y - w, lo.z - w);
    static_cast<Point&>(extentMax) = Point(hi.x + w, hi.y + w, hi.z + w);
}

// --- picks ---

int BezierElement::hitTestExtent()
{
    SelectToolBase* tool = selectTool();
    if (!tool)
        return 0;
    computeExtent(0);
    return tool->extentContainsPickCentre(extentMin, extentMax);
}

int BezierElement::hitTest()
{
    if (!selectTool() || !vertices())
        return 0;
    // The curve as its shape draws it; while its path is edited, a control point as well.
    shared_body::preparePointList(*this);
    if (runElementHitTest(*this))
        return 1;
    BezierPath* editing = path();
    return editing && editing->hitControlPoint() >= 0;
}

int BezierElement::hitHandle(int* handle, int* flag) { return shared_body::hitHandleOfExactExtent(*this, handle, flag); }

int BezierElement::isInSelectionArea() { return shared_body::isExactExtentInSelectionArea(*this); }

// --- drawing ---

int BezierElement::execute(int operation, double x, double y, double z)
{
    shared_body::preparePointList(*this);
    const double offset[3] = {x, y, z};
    return runElementShape(*this, operation, offset, nullptr);
}

void BezierElement::showPickHandles()
{
    measureHandlesExtent();
    handleFlags.setAll();
    drawHandleMarks();
}

void BezierElement::showPickColour()
{
    BezierPath* editing = path();
    if (forwardOp(ShapeOp::ShowPicked) && editing)
        editing->drawMarks(ShapeOp::ShowPicked);
}

void BezierElement::showPickMarks()
{
    BezierPath* editing = path();
    if (forwardOp(ShapeOp::ShowPickMarks) && editing)
        editing->drawMarks(ShapeOp::ShowPicked);
}

void BezierElement::setActiveHandle(int mode, int number)
{
    BezierPath* editing = path();
    if (!editing)
        return;
    editing->clearActive();
    if (mode == 1)
        editing->activePoint = number;
}

void BezierElement::drawRotatedPreview(double angle, double centreX, double centreY, double fourth)
{
    shared_body::preparePointList(*this);
    shared_body::drawRotatedPreview(*this, angle, centreX, centreY, fourth);
}

void BezierElement::repaintPicked()
{
    computeExtent(0);
    if (viewUpdater() && viewParams())
        drawOverlayFigure(kCreateFigure);
}

void BezierElement::drawOverlayFigure(int operation)
{
    BezierPath* editing = path();
    switch (operation) {
    case kCreateFigure:
        copyPainterToOverlay();
        forwardOp(kCreateFigure);
        if (editing)
            editing->drawMarks(kCreateFigure);
        flushOverlay();
        return;
    case kHandleFigure:
        if (!viewUpdater())
            return;
        drawOverlayFigure(kCreateFigure);
        clipToView();
        showPicked();
        resetClip();
        return;
    case kEditFigure:
    case kAddFigure:
        copyPainterToOverlay();
        forwardOp(kEditFigure);
        if (editing)
            editing->drawMarks(kEditOverlay);
        if (operation == kAddFigure && editing && viewParams()) {
            Point at;
            deviceToDrawing(&at, editing->lastMouse, 0);
            drawPointMark(kEditOverlay, at);
        }
        flushOverlay();
        return;
    default:
        return;
    }
}

// --- input ---

void BezierElement::takeFills(const EdgeAttributes* edgeFrom, const FillAttributes* fillFrom,
                              const HatchAttributes* hatchFrom)
{
    if (edge())
        edge()->assign(edgeFrom);
    if (fill())
        fill()->assign(fillFrom);
    if (hatch())
        hatch()->assign(hatchFrom);
}

void BezierElement::takeDefaultAttributes()
{
    auto* defaults = static_cast<BezierDefaults*>(elementDefaults(kind));
    if (!defaults)
        return;
    if (edge())
        defaults->takeEdgeInto(*edge());
    if (fill())
        defaults->takePaintInto(*fill());
    if (hatch())
        defaults->takePatternInto(*hatch());
    layer = defaults->getLayer();
}

int BezierElement::beginCreateInput(int arg)
{
    BezierPath* editing = path();
    if (!editing)
        return 0;
    shared_body::preparePointList(*this);
    if (edge())
        editing->markColour = edge()->colour;
    return editing->beginCreate(arg);
}

int BezierElement::continueCreateInput(int arg)
{
    BezierPath* editing = path();
    return editing ? editing->continueCreate(arg) : 0;
}

void BezierElement::redrawInputOverlay()
{
    if (inputPending == 1)
        drawOverlayFigure(kCreateFigure);
}

int BezierElement::acceptsVertex(PolyPath& input, int* more)
{
    PointList* entered = input.current;
    ViewParams* view = viewParams();
    if (more)
        *more = 0;
    Point first, previous, last;
    if (!entered || !view || !entered->getRecord(0, &first) || !entered->getRecord(entered->count - 2, &previous) ||
        !entered->getLastRecord(&last))
        return 0;
    IntPoint a, b, c;
    view->worldToDevice(first.x, first.y, &a);
    view->worldToDevice(previous.x, previous.y, &b);
    view->worldToDevice(last.x, last.y, &c);
    const PolylineClick action = polygonClickAction(pixelDistance(c, b), pixelDistance(c, a), entered->count);
    if (more)
        *more = action == PolylineClick::AddVertex;
    return action == PolylineClick::Finish;
}

int BezierElement::finishInput()
{
    // Only the pick is forgotten: a curve settled by a later command leaves the selection made
    // since, which that command may act on.
    if (SelectToolBase* tool = selectTool())
        tool->resetPickState();
    return Element::finishInput();
}

// --- geometry ---

void BezierElement::translate(double dx, double dy, double dz) { shared_body::translatePoints(*this, dx, dy, dz); }
void BezierElement::rotate(double angle, double centreX, double centreY, double)
{
    shared_body::rotatePoints(*this, angle, centreX, centreY);
}
void BezierElement::setPoint(int index, double x, double y, double z) { shared_body::setListPoint(*this, index, x, y, z); }
void BezierElement::translatePoint(int index, double dx, double dy, double dz)
{
    if (vertices())
        (void)vertices()->translatePointAt(index, dx, dy, dz); // an index outside the list moves nothing
}
void BezierElement::scale(double factor, const Point& centre, int)
{
    if (vertices())
        (void)vertices()->scaleXYAbout(&centre, factor); // only a block that cannot be locked fails
}
void BezierElement::clearPoints()
{
    if (vertices())
        vertices()->count = 0;
}
void BezierElement::appendPoint(double x, double y, double z) { shared_body::appendPoint(*this, x, y, z); }

int BezierElement::editByMouse()
{
    BezierPath* editing = path();
    return editing ? editing->editByMouse() : 0;
}

int BezierElement::dragHandle(int handle)
{
    computeExtent(1);
    BezierPath* editing = path();
    return editing ? editing->dragHandle(handle) : kCancelled;
}

int BezierElement::snapToNearestPoint(Point* p)
{
    return p && vertices() && snapToNearestVertex(*p, *vertices(), 3) >= 0;
}

int BezierElement::snapToKeyPoint(Point* p) { return shared_body::snapToNearestListPoint(*this, p); }

int BezierElement::snapToNearestEdge(Point* p, const Point*)
{
    return p && vertices() && snapToNearestEdgeClosed(*p, 0, *vertices(), 3);
}

int BezierElement::editProperties(int hasPrevious, int hasNext)
{
    shared_body::preparePointList(*this);
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Bezier),
                                          hasPrevious, hasNext);
}

// --- value setters ---

void BezierElement::setLineColour(const InkColor& value) { shared_body::setEdgeColour(*this, value); }
void BezierElement::setFillColour(const InkColor& value) { shared_body::setFillColour(*this, value); }
void BezierElement::setHatchColour(const InkColor& value) { shared_body::setHatchColour(*this, value); }
void BezierElement::setLineWidth(const LineSizeAttribute& value) { shared_body::setLineWidth(*this, value); }
void BezierElement::setEdgeDrawn(const EdgeAttributes& value) { shared_body::setEdgeDrawn(*this, value); }
void BezierElement::setFillDrawn(const FillAttributes& value) { shared_body::setFillDrawn(*this, value); }
void BezierElement::setHatchPattern(const HatchAttributes& value) { shared_body::setHatchPattern(*this, value); }
void BezierElement::setHatchPitch1(const HatchAttributes& value) { shared_body::setHatchPitch1(*this, value); }
void BezierElement::setHatchPitch2(const HatchAttributes& value) { shared_body::setHatchPitch2(*this, value); }
void BezierElement::setFillGray(const FillAttributes& value) { shared_body::setFillGray(*this, value); }

// --- files ---

int BezierElement::readXmlAttributes()
{
    shared_body::preparePointList(*this);
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !vertices())
        return 0;
    takeFills(holder->edge(), holder->fill(), holder->hatch());
    if (openClose())
        openClose()->assign(holder->openClose());
    if (lineWidth())
        lineWidth()->assign(holder->lineWidth());
    if (holder->vertices() && !vertices()->copyPoints(holder->vertices()))
        return 0;
    takeDocumentLayerAndGroup();
    return 1;
}

int BezierElement::writeXml()
{
    shared_body::preparePointList(*this);
    Document* d = currentXmlContext();
    if (!d || !edge() || !fill() || !openClose() || !lineWidth() || !hatch() || !vertices())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && edge()->writeXml(d) && fill()->writeXml(d) &&
           openClose()->writeThroughHolder(d) && lineWidth()->writeXml(d) && hatch()->writeXml(d) &&
           vertices()->writeXml(d, tag_id::listXY) && closeXmlSection();
}
