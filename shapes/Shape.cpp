#include "shapes/Shape.h"

#include <cmath>
#include <memory>
#include <new>

#include "document/DocumentContext.h"
#include "document/PdfExportJob.h"
#include "document/PrintSettings.h"
#include "document/SheetSettings.h"
#include "document/ViewUpdater.h"
#include "geometry/DoubleValue.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/DrawPoint.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontAttributes.h"
#include "geometry/GrayValue.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineAttribute.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TextSpacingAttribute.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/IntPolygon.h"
#include "platform/MathUtil.h"
#include "platform/SystemMetrics.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/BoxRules.h"
#include "shapes/CornerRounding.h"
#include "shapes/DiameterList.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/OvalType.h"
#include "shapes/RadiusList.h"

namespace {
// Pixel counts beyond what a device coordinate may hold are taken as this many.
const double kMaxPixels = 32000.0;
// Polygons cut on the stack: a band with two round ends and what clipping adds. Larger ones
// (the outlines of long polylines and polygons) get buffers of their own.
const int kStackPolygon = 128;

// 1 when every point of the path is finite and the box of them all lies inside the area: then
// no segment of it is cut.
int pathLiesInside(const ViewArea& area, const Point* points, int count)
{
    double x1 = points[0].x, x2 = x1, y1 = points[0].y, y2 = y1;
    for (int i = 0; i < count; ++i) {
        const double x = points[i].x, y = points[i].y;
        if (!std::isfinite(x) || !std::isfinite(y))
            return 0;
        x1 = x < x1 ? x : x1, x2 = x > x2 ? x : x2;
        y1 = y < y1 ? y : y1, y2 = y > y2 ? y : y2;
    }
    return area.containsBoxCoords(x1, y1, x2, y2);
}

// One edge of a polygon clip (Sutherland-Hodgman): keeps the part where inside(x, y) holds,
// cutting each crossing edge where cross gives the crossing's parameter. At most `capacity`
// points come out.
template <class Inside, class Cross>
int clipAgainst(const double* xs, const double* ys, int n, double* outX, double* outY, int capacity, Inside inside,
                Cross cross)
{
    int m = 0;
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 < n ? i + 1 : 0;
        const bool in1 = inside(xs[i], ys[i]);
        const bool in2 = inside(xs[j], ys[j]);
        if (in1 && m < capacity) {
            outX[m] = xs[i];
            outY[m] = ys[i];
            ++m;
        }
        if (in1 != in2 && m < capacity) {
            const double t = cross(xs[i], ys[i], xs[j], ys[j]);
            outX[m] = xs[i] + (xs[j] - xs[i]) * t;
            outY[m] = ys[i] + (ys[j] - ys[i]) * t;
            ++m;
        }
    }
    return m;
}
} // namespace

Shape::~Shape()
{
    release(workPoints);
    // A class releases what it ensured; whatever is left is released here.
    release(lineSize);
    release(linePosition);
    release(lineType);
    release(lineCaps);
    release(font);
    release(measureLine);
    release(drawLine);
    release(arrowHead);
    release(measure);
    release(hatch);
    release(edge);
    release(fill);
    release(openClose);
    release(lean);
    release(ovalType);
    release(textSpacing);
    release(gray);
    release(radii);
    release(diameters);
    release(firstDouble);
    release(secondDouble);
    release(boxRules);
    release(cornerRounding);
}

void Shape::ensureStroke()
{
    (void)ensure(lineSize);
    (void)ensure(linePosition);
    (void)ensure(lineType);
    (void)ensure(lineCaps);
    (void)ensure(gray);
}

void Shape::setWidth(double width)
{
    if (lineSize)
        lineSize->width = width;
}

void Shape::setPosition(int newPosition)
{
    if (linePosition)
        linePosition->position = newPosition;
}

void Shape::setLineStyle(const LineStyle& newStyle)
{
    if (lineType)
        lineType->LineStyle::assign(&newStyle);
}

void Shape::setCapStyle(int cap)
{
    if (lineCaps)
        lineCaps->capStyle = cap;
}

void Shape::setGrayValue(double value)
{
    if (gray)
        gray->value = value;
}

// --- managers ---

ViewUpdater* Shape::viewUpdater() const { return context ? context->updater : nullptr; }

ViewParams* Shape::viewParams() const { return context ? context->view : nullptr; }

PrintSettings* Shape::printSettings() const { return context ? context->printSettings : nullptr; }

PsOutput* Shape::postScriptWriter() const
{
    PrintSettings* settings = printSettings();
    return settings ? settings->psOutput() : nullptr;
}

PdfWriter* Shape::pdfWriter()
{
    return thePdfExportJob && thePdfExportJob->isRunning() ? thePdfExportJob : nullptr;
}

DeviceContext* Shape::surfaceFor(int operation) const
{
    ViewUpdater* updater = viewUpdater();
    return updater ? updater->surfaceForOperation(operation) : nullptr;
}

// --- paper ---

double Shape::scaleNumerator() const { return DrawPoint::scaleNumeratorOf(context); }

double Shape::scaleDenominator() const { return DrawPoint::scaleDenominatorOf(context); }

double Shape::paperWidth() const
{
    const auto* sheet = dynamic_cast<const SheetSettings*>(context ? context->paper : nullptr);
    return sheet ? sheet->horizontalSize() : 0.0;
}

double Shape::paperHeight() const
{
    const auto* sheet = dynamic_cast<const SheetSettings*>(context ? context->paper : nullptr);
    return sheet ? sheet->verticalSize() : 0.0;
}

double Shape::paperLongerSide() const { return MathUtil::maxDouble(paperWidth(), paperHeight()); }

double Shape::paperLongerSideInDrawing() const { return toDrawingUnits(paperLongerSide()); }

// --- placement ---

void Shape::setOffset(double x, double y, double z)
{
    offsetX = x;
    offsetY = y;
    offsetZ = z;
}

void Shape::addOffset(double dx, double dy, double dz)
{
    offsetX += dx;
    offsetY += dy;
    offsetZ += dz;
}

void Shape::setRotation(double angle, double centreX, double centreY, double fourth)
{
    rotationAngle = angle;
    rotationCentreX = centreX;
    rotationCentreY = centreY;
    rotationFourth = fourth;
}

void Shape::setRotationFrom(const double values[2], const Point& b)
{
    setRotation(values[1], b.x, b.y, b.z);
}

int Shape::hasRotation() const { return !MathUtil::isNearlyZero(rotationAngle); }

int Shape::rotatePath()
{
    if (!hasRotation() || !path)
        return 1;
    if (!ensure(workPoints))
        return 0;
    if (path != workPoints && !workPoints->copyPoints(path))
        return 0;
    path = workPoints;
    return workPoints->rotateAbout(rotationCentreX, rotationCentreY, rotationAngle);
}

int Shape::lengthOfPixels(double& out) const
{
    ViewParams* view = viewParams();
    if (!pixelCount || !view)
        return 0;
    out = view->pixelsToLengthForOp(op, pixelCount);
    return 1;
}

// --- the operation ---

int Shape::acceptsOp(int operation)
{
    printerOutput = 0;
    switch (operation) {
    case ShapeOp::Draw:
    case ShapeOp::Erase:
    case ShapeOp::ShowPicked:
    case ShapeOp::DragPreview:
    case ShapeOp::ShowPickMarks:
    case ShapeOp::RotatedPreview:
    case ShapeOp::ViewDefault:
    case ShapeOp::RubberBand:
    case ShapeOp::OverlayPicked:
    case ShapeOp::OverlayStep31:
    case ShapeOp::OverlayStep32:
    case ShapeOp::OverlayStep33:
    case ShapeOp::OverlayStep41:
    case ShapeOp::DrawDefault:
        return 1;
    case ShapeOp::Print:
        printerOutput = 1;
        return 1;
    case ShapeOp::PostScript:
        if (!postScriptWriter())
            return 0;
        printerOutput = 1;
        return 1;
    default:
        return 0;
    }
}

void Shape::setEffectiveColor(const InkColor& colour) { effectiveColour = colour; }

void Shape::colourForOperation(int operation, const InkColor& own, InkColor& out) const
{
    if (ViewUpdater* updater = viewUpdater())
        updater->colourForOperation(operation, own, out);
    else
        out = own;
}

void Shape::applyGray()
{
    if (gray)
        effectiveColour.applyTintFraction(gray->value);
}

int Shape::subObjectColour(int operation, const InkColor* own, InkColor& out) const
{
    if (!own) {
        out = effectiveColour;
        return 0;
    }
    if (!viewUpdater()) {
        out = *own;
        return 0;
    }
    colourForOperation(operation, *own, out);
    return 1;
}

void Shape::effectiveEdgeColor(int operation, InkColor& out) const
{
    if (subObjectColour(operation, edge ? &edge->colour : nullptr, out))
        out.applyTintFraction(edge->gray.value);
}

void Shape::effectiveFillColor(int operation, InkColor& out) const
{
    // A flat screen is the fill's tint; none and gradations fill with the full colour here.
    if (subObjectColour(operation, fill ? &fill->colour : nullptr, out) && fill->gray.kind == GrayAttributes::kFlat)
        out.applyTintFraction(fill->gray.startGray);
}

void Shape::updateDevicePenWidth(double width) { devicePenWidth = devicePenWidthFor(viewParams(), op, width); }

int Shape::devicePenWidthFor(ViewParams* view, int operation, double width)
{
    if (!view)
        return 1;
    double pixels = view->lengthToPixelsForOp(operation, width);
    if (!(pixels >= 1.0)) // below one pixel, negative or not a number
        return 1;
    const int p = MathUtil::truncateToInt(MathUtil::minDouble(pixels, kMaxPixels));
    return (p - 1) / 2 * 2 + 1;
}

void Shape::preparePick(double width)
{
    op = ShapeOp::Draw;
    mode = 2;
    bindSubObjects();
    updateDevicePenWidth(width);
}

void Shape::setStrokeFactors(int position)
{
    switch (position) {
    case LineOriginAttribute::kTop:
        leading = 0.0;
        centre = -0.5;
        trailing = 1.0;
        break;
    case LineOriginAttribute::kBottom:
        leading = 1.0;
        centre = 0.5;
        trailing = 0.0;
        break;
    default:
        leading = 0.5;
        centre = 0.0;
        trailing = 0.5;
        break;
    }
}

int Shape::culling() const
{
    if (printerOutput)
        return 0;
    ViewUpdater* updater = viewUpdater();
    return !(updater && updater->redirectOn());
}

int Shape::prepareOperation(double lineWidth)
{
    if (!acceptsOp(op))
        return 0;
    ViewParams* view = viewParams();
    if (!view)
        return 0;
    bindSubObjects();
    viewArea.setToScreen();
    // The clip box for polygons: the screen grown by the line width, but never by more than
    // the screen's own size, so that its corners map to device coordinates without clamping.
    const double grow = std::isfinite(lineWidth) ? std::fabs(toDrawingUnits(lineWidth)) : 0.0;
    const double limit = MathUtil::maxDouble(viewArea.right - viewArea.left, viewArea.bottom - viewArea.top);
    const double margin = MathUtil::minDouble(grow, limit);
    clipLeft = viewArea.left - margin;
    clipTop = viewArea.top - margin;
    clipRight = viewArea.right + margin;
    clipBottom = viewArea.bottom + margin;
    viewArea.inflateByHalfWidth(lineWidth);
    surface = surfaceFor(op);
    return surface != nullptr;
}

int Shape::placePath()
{
    if (!path || !ensure(workPoints))
        return 0;
    if (path != workPoints && !workPoints->copyPoints(path))
        return 0;
    path = workPoints;
    if (hasRotation() && !workPoints->rotateAbout(rotationCentreX, rotationCentreY, rotationAngle))
        return 0;
    if (offsetX == 0.0 && offsetY == 0.0 && offsetZ == 0.0)
        return 1;
    return workPoints->translate(offsetX, offsetY, offsetZ);
}

int Shape::pathIsFinite() const
{
    if (!path)
        return 0;
    BlockLock data(*path);
    if (!data && path->count > 0)
        return 0;
    const Point* p = data.data<Point>();
    for (int i = 0; i < path->count; ++i) {
        if (!std::isfinite(p[i].x) || !std::isfinite(p[i].y))
            return 0;
    }
    return 1;
}

int Shape::worldPolygonToDevice(const double* xs, const double* ys, int count, IntPolygon& polygon)
{
    ViewParams* view = viewParams();
    polygon.count = 0;
    if (!view || count < 3)
        return 0;
    const double* px = xs;
    const double* py = ys;
    int n = count;
    // Each cut adds a point where the outline crosses the box's side; twice the points and a
    // margin hold every outline that crosses each side fewer times than it has points.
    const long long capacity = MathUtil::minInt(count, 100000000) * 2LL + 16;
    double stack[4][kStackPolygon];
    std::unique_ptr<double[]> heap;
    double *ax = stack[0], *ay = stack[1], *bx = stack[2], *by = stack[3];
    if (culling()) {
        if (capacity > kStackPolygon) {
            heap.reset(new (std::nothrow) double[4 * capacity]);
            if (!heap)
                return 0;
            ax = heap.get(), ay = ax + capacity, bx = ay + capacity, by = bx + capacity;
        }
        const int cap = static_cast<int>(capacity);
        const double l = clipLeft, t = clipTop, r = clipRight, b = clipBottom;
        n = clipAgainst(px, py, n, ax, ay, cap, [l](double x, double) { return x >= l; },
                        [l](double x1, double, double x2, double) { return (l - x1) / (x2 - x1); });
        n = clipAgainst(ax, ay, n, bx, by, cap, [r](double x, double) { return x <= r; },
                        [r](double x1, double, double x2, double) { return (r - x1) / (x2 - x1); });
        n = clipAgainst(bx, by, n, ax, ay, cap, [t](double, double y) { return y >= t; },
                        [t](double, double y1, double, double y2) { return (t - y1) / (y2 - y1); });
        n = clipAgainst(ax, ay, n, bx, by, cap, [b](double, double y) { return y <= b; },
                        [b](double, double y1, double, double y2) { return (b - y1) / (y2 - y1); });
        px = bx;
        py = by;
    }
    if (n < 3 || !polygon.reserve(n + 1, 0))
        return 0;
    IntPoint previous;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(px[i]) || !std::isfinite(py[i]))
            return 0;
        IntPoint device;
        view->worldToDeviceForOp(op, px[i], py[i], &device);
        if (i > 0 && device.equals(previous))
            continue;
        if (!polygon.addPoint(device))
            return 0;
        previous = device;
    }
    return polygon.count >= 3 && polygon.close();
}

void Shape::fillWorldPolygon(const double* xs, const double* ys, int count)
{
    IntPolygon polygon;
    if (surface && worldPolygonToDevice(xs, ys, count, polygon))
        surface->fillPolygon(effectiveColour, polygon);
}

void Shape::fillWorldPolygon(const PointArray& points)
{
    IntPolygon polygon;
    if (surface && worldPolygonToDevice(points, 0.0, 0.0, polygon))
        surface->fillPolygon(effectiveColour, polygon);
}

int Shape::worldPolygonToDevice(const PointArray& points, double dx, double dy, IntPolygon& polygon)
{
    const int n = points.count;
    polygon.count = 0;
    if (n < 3)
        return 0;
    std::unique_ptr<double[]> xy(new (std::nothrow) double[2 * static_cast<size_t>(n)]);
    BlockLock data(const_cast<PointArray&>(points)); // read only
    if (!xy || !data)
        return 0;
    const Point* p = data.data<Point>();
    for (int i = 0; i < n; ++i) {
        xy[i] = p[i].x + dx;
        xy[n + i] = p[i].y + dy;
    }
    return worldPolygonToDevice(xy.get(), xy.get() + n, n, polygon);
}

void Shape::drawThinSegment(double px, double py, double qx, double qy)
{
    const Point ends[2] = {Point(px, py, 0.0), Point(qx, qy, 0.0)};
    drawThinPath(ends, 2);
}

void Shape::drawThinPath(const Point* points, int count)
{
    ViewParams* view = viewParams();
    if (!view || !surface || !points)
        return;
    // A path inside the view area whole is not cut segment by segment.
    const int cut = culling() && !(count > 2 && pathLiesInside(viewArea, points, count));
    // The device points of the run of joined segments not yet drawn.
    const int kRun = 256;
    IntPoint run[kRun];
    int n = 0;
    // The end of the segment before, mapped: a segment that starts where it ended (not cut
    // short) maps its start no more.
    double lastX = 0.0, lastY = 0.0;
    IntPoint last;
    int haveLast = 0;
    for (int i = 1; i < count; ++i) {
        double px = points[i - 1].x, py = points[i - 1].y, qx = points[i].x, qy = points[i].y;
        if (cut && !viewArea.clipSegmentInPlace(&px, &py, &qx, &qy))
            continue;
        IntPoint a, b;
        if (haveLast && px == lastX && py == lastY)
            a = last;
        else
            view->worldToDeviceForOp(op, px, py, &a);
        view->worldToDeviceForOp(op, qx, qy, &b);
        lastX = qx, lastY = qy, last = b, haveLast = 1;
        if (!thinPenSelected) {
            // Without a new pen the surface's held pen draws the line.
            (void)surface->selectPen(PenSpec(effectiveColour, 1, 1));
            thinPenSelected = 1;
        }
        // A line of the one-pixel pen leaves out its end point: one of no length sets no pixel.
        if (a.equals(b))
            continue;
        if (n > 0 && (!run[n - 1].equals(a) || n == kRun)) {
            surface->drawJoinedLines(run, n);
            n = 0;
        }
        if (n == 0)
            run[n++] = a;
        run[n++] = b;
    }
    if (n > 1)
        surface->drawJoinedLines(run, n);
}

// --- caps ---

void Shape::setCapEnds(int atStart, int atEnd)
{
    if (lineCaps)
        lineCaps->setEnds(atStart, atEnd);
}

int Shape::capAt(int end) const { return lineCaps ? lineCaps->capAt(end) : 0; }

int Shape::hasRoundCap() const { return lineCaps ? lineCaps->hasRoundEnd() : 0; }

// --- sub-objects ---

void Shape::bindSubObjects()
{
    viewArea.setContext(context, viewParams());
    if (lineSize)
        lineSize->owner = context;
    if (lineType)
        lineType->owner = context;
    if (font)
        font->owner = context;
    if (measureLine)
        measureLine->owner = context;
    if (drawLine)
        drawLine->owner = context;
    if (arrowHead)
        arrowHead->owner = context;
    if (hatch)
        hatch->owner = context;
    if (lean)
        lean->owner = context;
    if (textSpacing)
        textSpacing->owner = context;
}
