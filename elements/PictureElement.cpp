// The picture element: its record, extent, shape, placement, mask editing and file section.
#include "elements/PictureElement.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <new>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/FileNameValue.h"
#include "document/InputPointListBase.h"
#include "document/PictureDefaults.h"
#include "document/ShapeOp.h"
#include "document/TagReader.h"
#include "document/TagWriter.h"
#include "document/UndoManager.h"
#include "elements/ElementShapes.h"
#include "elements/MaskTypeDialog.h"
#include "elements/TwoPointInput.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "geometry/ViewParams.h"
#include "shapes/ImageMask.h"
#include "shapes/ImageTypeValue.h"

namespace {
constexpr ElementAttribute kPictureAttributes[] = {
    ElementAttribute::firstPoint, ElementAttribute::secondPoint, ElementAttribute::imageKind,
    ElementAttribute::fileName,   ElementAttribute::imageMask,
};
// Creation steps of a mask path that has not finished: bounded, so a path that never answers
// cannot hold the program.
constexpr int kMaxMaskSteps = 100000;
// The point number of the outline's first point (1 and 2 are the corners).
constexpr int kFirstOutlinePoint = 3;
} // namespace

Element* newPictureElement() { return new (std::nothrow) PictureElement; }

// The mask is edited through the property sheet, which records each of its tools as one change of
// the whole picture.
PictureElement::PictureElement() : maskPath(this, nullptr, &maskClose) { maskPath.recordsPointEdits = 0; }

PictureElement::~PictureElement() { teardown(); }

void PictureElement::initialize()
{
    shared_body::ensureAttributes(*this, kPictureAttributes, std::size(kPictureAttributes));
    bind();
}

void PictureElement::teardown()
{
    maskPath.points = nullptr;
    image.type = nullptr;
    image.fileName = nullptr;
    shared_body::releaseAttributes(*this, kPictureAttributes, std::size(kPictureAttributes));
}

void PictureElement::bind()
{
    shared_body::bindTwoPoints(*this);
    image.owner = context;
    image.type = imageKind();
    image.fileName = fileName();
    maskClose.value = OpenCloseAttribute::kClose;
    maskPath.points = imageMask() ? &imageMask()->outline : nullptr;
    if (imageMask())
        imageMask()->outline.owner = context;
}

void PictureElement::makeMaskAbsolute(int absolute)
{
    if (!imageMask() || !firstPoint())
        return;
    const double sign = absolute ? 1.0 : -1.0;
    (void)imageMask()->outline.translate(sign * firstPoint()->x, sign * firstPoint()->y, 0.0); // in place: always moves
}

PictureElement::Corners PictureElement::corners() const
{
    Corners c;
    if (firstPoint() && secondPoint())
        c = {*firstPoint(), *secondPoint()};
    return c;
}

namespace {
// The narrowest extent of the rectangle, in paper millimetres, that the outline is scaled to or
// from. The drawing file keeps 5 decimals: an outline scaled into a narrower frame would keep
// fewer than four of its digits there, and a saved mask could not be widened back; a frame the
// file writes with its two corners at one coordinate is well inside.
constexpr double kMinScaledPaperMm = 0.1;

// A corner's coordinate (drawing units) as the drawing file keeps it, in paper millimetres: the
// drawing's scale applied as the point writes itself, the value's text read back. 0 when the file
// has no text for it.
int keptPaperValue(double v, const DrawingOwner* drawing, double& kept)
{
    return TagReader::keptReal(DrawPoint::paperValueOf(v, drawing), DrawPoint::kXmlDecimals, kept);
}

// An extent of the rectangle, from a to b (drawing units), that holds no measure to scale the
// outline by: narrower than the narrowest above. It is measured between the corners as the file
// writes them, so that a frame is judged alike while the program runs, after a save and after an
// open, also at exactly the narrowest extent (at 5:1, x from 40 to 40.02 is 0.10000000000001563
// mm of paper as held and 0.0999999999999801 as read back; the file writes 200 and 200.1 either
// way). Those are whole units of the file's last decimal, apart from their own rounding: half a
// unit decides.
bool tooThinToScale(double a, double b, const DrawingOwner* drawing)
{
    double keptA = 0.0, keptB = 0.0;
    if (!keptPaperValue(a, drawing, keptA) || !keptPaperValue(b, drawing, keptB))
        return true;
    const double lastDecimal = std::pow(10.0, -TagWriter::kMaxDecimals); // of the file, in millimetres
    return !(std::fabs(keptB - keptA) >= kMinScaledPaperMm - lastDecimal / 2);
}

// How far an extent from a to b may be off, relative to it, through the rounding of its corners:
// a few units in the last place of the larger coordinate.
double cornerNoise(double a, double b)
{
    return 4.0 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(a), std::fabs(b)) / std::fabs(b - a);
}

// new / old along one axis and how far it may be off, relative to it; 1 (exactly) where either
// extent is too thin, so that the outline keeps its values through a rectangle flattened to
// nothing and back.
struct AxisResize {
    double factor = 1.0;
    double noise = 0.0;
};

AxisResize resizeAlong(double oldA, double oldB, double newA, double newB, const DrawingOwner* drawing)
{
    if (tooThinToScale(oldA, oldB, drawing) || tooThinToScale(newA, newB, drawing))
        return {};
    return {(newB - newA) / (oldB - oldA), cornerNoise(oldA, oldB) + cornerNoise(newA, newB)};
}
} // namespace

void PictureElement::followResize(const Corners& before)
{
    if (!imageMask() || !firstPoint() || !secondPoint())
        return;
    const Corners now = corners();
    // Measured as the drawing file writes the corners. The scale is the drawing's, also where the
    // corners are not bound to it yet (an element taken by a batch change or the scale tool).
    const DrawingOwner* drawing = context ? context : firstPoint()->owner;
    const AxisResize x = resizeAlong(before.start.x, before.end.x, now.start.x, now.end.x, drawing);
    const AxisResize y = resizeAlong(before.start.y, before.end.y, now.start.y, now.end.y, drawing);
    imageMask()->scaleOutline(x.factor, y.factor, x.noise, y.noise);
}

void PictureElement::recordPoints(UndoManager& undo)
{
    const Corners c = corners();
    undo.addRecordPoint(c.start.x, c.start.y, c.start.z);
    undo.addRecordPoint(c.end.x, c.end.y, c.end.z);
    const PointList* outline = imageMask() ? &imageMask()->outline : nullptr;
    for (int i = 0; outline && i < outline->count; ++i) {
        Point p;
        if (outline->getPoint(i, &p))
            undo.addRecordPoint(p.x, p.y, p.z);
    }
}

// --- store and extent ---

int PictureElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !firstPoint() || !secondPoint() || !imageKind() || !fileName() ||
        !imageMask() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        computeExtentToStore(0);
        return firstPoint()->writeRecord(buffer, 2, 0) && secondPoint()->writeRecord(buffer, 2, 0) &&
               buffer.putInt(imageKind()->value) && fileName()->exchangeRecord(1, buffer) &&
               imageMask()->exchangeRecord(1, buffer) && serializeExtent(buffer, 1);
    }
    // Read into copies first: a cut record leaves the element as it was.
    DrawPoint start = *firstPoint(), end = *secondPoint();
    int32_t kind = 0;
    FileNameValue path;
    ImageMask mask;
    mask.type = imageMask()->type;
    if (!start.readRecord(buffer, 2, 0) || !end.readRecord(buffer, 2, 0) || !buffer.getInt(kind) ||
        !path.exchangeRecord(3, buffer) || !mask.exchangeRecord(3, buffer) || !serializeExtent(buffer, 3) ||
        !imageMask()->copyFrom(&mask))
        return 0;
    *firstPoint() = start;
    *secondPoint() = end;
    imageKind()->value = kind;
    fileName()->assign(&path);
    return 1;
}

int PictureElement::hitTestExtent() { return pickInsideCorners(); }

int PictureElement::hitTest() { return pickInsideCorners(); }

// --- drawing ---

int PictureElement::execute(int operation, double x, double y, double z)
{
    bind();
    // The drawing's record says whether JPEG pictures are drawn as thumbnails.
    if (const auto* defaults = static_cast<const PictureDefaults*>(elementDefaults(kind)))
        image.drawingMode = defaults->thumbnailFlag();
    const double offset[3] = {x, y, z};
    return runElementShape(*this, operation, offset, nullptr);
}

void PictureElement::drawOverlayFigure(int operation)
{
    if (!maskEditing) {
        drawFrameOverlay(operation);
        return;
    }
    // While the mask is edited its outline is absolute. Each figure is drawn over the painter's
    // page on the overlay, which then shows on the window. The drag figures show the picture cut
    // to the mask where it goes: the picture leaves the painter's page at the first of them.
    switch (operation) {
    case 21: // the mask being made, over the picture
        copyPainterToOverlay();
        (void)maskPath.drawCurve(ShapeOp::RubberBand, 0.0, 0.0, 0.0); // a path that cannot be drawn shows nothing
        flushOverlay();
        break;
    case 32: // the mask's box stretched by a handle
        leavePainter();
        copyPainterToOverlay();
        drawCutToMask();
        maskPath.refreshExtent();
        computeExtent(1);
        flushOverlay();
        break;
    case 33: // a point of the mask dragged, or the whole mask moved
    case 35: // a point being added, with the add cursor's mark
        leavePainter();
        copyPainterToOverlay();
        drawCutToMask();
        (void)maskPath.drawCurve(ShapeOp::OverlayStep33, 0.0, 0.0, 0.0); // as for 21
        maskPath.drawMarks(ShapeOp::OverlayStep33);
        if (operation == 35 && viewParams()) {
            Point at;
            deviceToDrawing(&at, maskPath.lastMouse, 0);
            drawPointMark(ShapeOp::OverlayPicked, at);
        }
        flushOverlay();
        break;
    default:
        break;
    }
}

void PictureElement::drawCutToMask()
{
    makeMaskAbsolute(0);
    forwardOp(ShapeOp::OverlayStep41);
    makeMaskAbsolute(1);
}

void PictureElement::leavePainter()
{
    if (outOfPainter)
        return;
    (void)erase(); // nothing to erase without a view
    outOfPainter = 1;
}

void PictureElement::showForPress()
{
    if (!outOfPainter)
        return;
    makeMaskAbsolute(0);
    (void)draw(); // nothing is drawn without a view
    makeMaskAbsolute(1);
    outOfPainter = 0;
}

void PictureElement::setActiveHandle(int mode, int number)
{
    if (!maskEditing)
        return;
    maskPath.clearActive();
    if (mode == 1)
        maskPath.activePoint = number;
}

// --- placement and editing ---

void PictureElement::takePlacementDefaults()
{
    bind();
    if (imageMask())
        imageMask()->outline.count = 0;
    // The drawing's record: the file its placement command chose, its kind and the layer.
    const auto* defaults = static_cast<const PictureDefaults*>(elementDefaults(kind));
    if (!defaults)
        return;
    layer = const_cast<PictureDefaults*>(defaults)->getLayer();
    if (imageKind())
        imageKind()->value = defaults->imageKind;
    if (fileName())
        fileName()->setText(defaults->fileName.getPath());
}

int PictureElement::placementSize(double& width, double& height)
{
    bind();
    if (imageKind() && fileName())
        imageKind()->resolve(fileName()->text());
    return image.drawingSize(scaleNumerator(), scaleDenominator(), width, height);
}

int PictureElement::placeByMouse(int)
{
    double width = 0.0, height = 0.0;
    if (!placementSize(width, height))
        return kCannotPlace;
    return input.placeWithSize(width, height);
}

void PictureElement::setPoint(int index, double x, double y, double z)
{
    if (!firstPoint() || !secondPoint())
        return;
    if (index >= kFirstOutlinePoint) {
        Point p(x, y, z);
        if (imageMask() && index - kFirstOutlinePoint < imageMask()->outline.count)
            (void)imageMask()->outline.setPoint(index - kFirstOutlinePoint, &p); // within the list
        return;
    }
    const Corners before = corners();
    if (setPointByNumber(index, Point(x, y, z), firstPoint(), secondPoint(), nullptr))
        followResize(before);
}

void PictureElement::scale(double factor, const Point& centre, int flags)
{
    if (!firstPoint() || !secondPoint())
        return;
    const Corners before = corners();
    shared_body::scaleTwoPoints(*this, factor, centre, flags);
    followResize(before);
}

int PictureElement::editByMouse()
{
    if (!firstPoint() || !secondPoint() || pointUnderCursor(firstPoint(), secondPoint(), nullptr) < 1)
        return 0;
    const Corners before = corners();
    UndoManager* undo = context ? context->undoManager : nullptr;
    const int points = kFirstOutlinePoint - 1 + (imageMask() ? imageMask()->outline.count : 0);
    if (undo) {
        undo->beginPointMove(1, points);
        recordPoints(*undo);
    }
    const int result = shared_body::editTwoPoints(*this, nullptr);
    followResize(before);
    if (undo) {
        recordPoints(*undo);
        // A cancelled drag leaves the picture as it was: no record.
        if (result == kDone)
            undo->endPointMove(this);
        else
            undo->flushPending();
    }
    return result;
}

int PictureElement::dragHandle(int handle)
{
    if (!firstPoint() || !secondPoint())
        return 0;
    const Corners before = corners();
    const int result = input.dragHandle(handle);
    followResize(before);
    return result;
}

void PictureElement::setCorners(const Point& start, const Point& end)
{
    const Corners before = corners();
    CornerImageElement::setCorners(start, end);
    followResize(before);
}

int PictureElement::editProperties(int hasPrevious, int hasNext)
{
    bind();
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Picture),
                                          hasPrevious, hasNext);
}

void PictureElement::beginMaskTool(OutlineBefore& before)
{
    // A copy that fails for memory only makes a tool that changed nothing count as a change.
    (void)before.relative.copyPoints(&imageMask()->outline);
    makeMaskAbsolute(1);
    (void)before.absolute.copyPoints(&imageMask()->outline);
    maskEditing = 1;
    outOfPainter = 0;
}

namespace {
bool samePoints(const PointArray& a, const PointArray& b)
{
    if (a.count != b.count)
        return false;
    for (int i = 0; i < a.count; ++i) {
        Point p, q;
        if (!a.getRecord(i, &p) || !b.getRecord(i, &q) || p.x != q.x || p.y != q.y || p.z != q.z ||
            p.getFlag() != q.getFlag())
            return false;
    }
    return true;
}
} // namespace

int PictureElement::endMaskTool(const OutlineBefore& before)
{
    maskEditing = 0;
    PointList& outline = imageMask()->outline;
    const int changed = !samePoints(outline, before.absolute) || before.relative.count != before.absolute.count;
    if (changed)
        makeMaskAbsolute(0);
    else
        (void)outline.copyPoints(&before.relative); // the same count: no memory is asked for
    computeExtent(1);
    return changed;
}

int PictureElement::runSheetAction1()
{
    bind();
    ImageMask* mask = imageMask();
    InputPointListBase* points = inputPointList();
    ViewParams* view = viewParams();
    if (!mask || !points || !view)
        return 0;
    // A creation that does not end with a mask leaves the one there was, and its shape.
    const MaskType typeBefore = mask->type;
    PointList before;
    if (!before.copyPoints(&mask->outline))
        return 0;
    auto create = [&] {
        MaskTypeDialog dialog(mask->type);
        if (dialog.run() != 1 || mask->type.code < 1)
            return 0;
        int typed = 0;
        if (view->waitUserPress(typed) != kDone)
            return 0;
        // The creation starts from the press it waited for.
        if (!points->restartAtCursor())
            return 0;
        maskEditing = 1;
        const int method = mask->type.code;
        int result = maskPath.beginCreate(method);
        for (int step = 0; step < kMaxMaskSteps && inputPending && result != kComplete && result != kCancelled; ++step)
            result = maskPath.continueCreate(method);
        maskEditing = 0;
        inputPending = 0;
        return result == kComplete ? 1 : 0;
    };
    if (!create()) {
        mask->type = typeBefore;
        (void)mask->outline.copyPoints(&before); // the list held as many points before
        return 0;
    }
    makeMaskAbsolute(0);
    return 1;
}

int PictureElement::runSheetAction2()
{
    ViewParams* view = viewParams();
    int typed = 0;
    if (!view || !imageMask() || view->waitUserPress(typed) != kDone)
        return 0;
    OutlineBefore before;
    beginMaskTool(before);
    (void)dragMask(*view); // 11 at the release, whether or not the mask moved
    return endMaskTool(before);
}

int PictureElement::dragMask(ViewParams& view)
{
    PointList& outline = imageMask()->outline;
    IntPoint device, last;
    view.cursorPosition(last);
    Point pressed, moved;
    deviceToDrawing(&pressed, last, 0);
    captureMouse();
    for (;;) {
        showCursorPosition();
        int left = 0, right = 0;
        // A failed read ends the move where it is: the loop must end.
        if (!view.nextMousePoint(device, left, right) || !left)
            break;
        if (device.x == last.x && device.y == last.y)
            continue;
        last = device;
        Point p;
        deviceToDrawing(&p, device, 0);
        // The whole way from the press, less what is already applied: the steps add up to it.
        (void)outline.translate(p.x - pressed.x - moved.x, p.y - pressed.y - moved.y, 0.0); // in place: always moves
        moved = Point(p.x - pressed.x, p.y - pressed.y);
        beginOverlay();
        drawOverlayFigure(ShapeOp::OverlayStep33);
    }
    releaseMouse();
    if (overlayShown)
        flushView();
    return kDone;
}

int PictureElement::runSheetAction3()
{
    if (!imageMask())
        return 0;
    OutlineBefore before;
    beginMaskTool(before);
    // The handles of the mask's box, where the press is to go.
    maskPath.refreshExtent();
    handleFlags.setAll();
    drawHandleMarks();
    (void)maskPath.pickHandleAndDrag(); // what the drag did shows in the outline
    return endMaskTool(before);
}

int PictureElement::runSheetAction4()
{
    if (!imageMask())
        return 0;
    maskPath.clearActive();
    OutlineBefore before;
    beginMaskTool(before);
    int result = 11;
    for (int step = 0; step < kMaxMaskSteps && result == 11; ++step) {
        // The picture as it is now, its outline and points over it, where the press is to go.
        showForPress();
        beginOverlay();
        copyPainterToOverlay();
        (void)maskPath.drawCurve(ShapeOp::OverlayStep33, 0.0, 0.0, 0.0); // a path that cannot be drawn shows nothing
        maskPath.drawMarks(ShapeOp::OverlayStep33);
        flushOverlay();
        result = maskPath.clickAndEdit();
    }
    return endMaskTool(before);
}

// --- files ---

int PictureElement::readXmlAttributes()
{
    bind();
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !firstPoint() || !secondPoint() || !imageKind() || !fileName() || !imageMask())
        return 0;
    shared_body::readTwoPoints(*this, *holder);
    imageKind()->assign(holder->imageKind());
    fileName()->assign(holder->fileName());
    if (holder->imageMask() && !imageMask()->copyFrom(holder->imageMask()))
        return 0;
    takeDocumentLayerAndGroup();
    return 1;
}

int PictureElement::writeXml()
{
    bind();
    Document* d = currentXmlContext();
    if (!d || !firstPoint() || !secondPoint() || !imageKind() || !fileName() || !imageMask())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && firstPoint()->writeXml(d, tag_id::startPoint) &&
           secondPoint()->writeXml(d, tag_id::endPoint) && imageKind()->writeXml(*d) && fileName()->writeXml(*d) &&
           imageMask()->writeXml(*d) && closeXmlSection();
}
