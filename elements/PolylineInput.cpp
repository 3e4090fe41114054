// The mouse input of the open polyline kinds: the loop that places the vertices, and the click
// rule it asks.
#include "elements/PolylineInput.h"

#include <cmath>

#include "document/Element.h"
#include "elements/ElementTracking.h"
#include "geometry/PointList.h"
#include "geometry/ViewParams.h"
#include "platform/MouseSource.h"

namespace {
// Clicks nearer than this to the previous vertex (pixels) end the input.
constexpr int kFinishPixels = 4;
// A polygon's clicks nearer than this to the previous vertex are ignored; nearer than the other
// to vertex 0 close it.
constexpr int kPolygonStayPixels = 4;
constexpr int kPolygonClosePixels = 5;
} // namespace

int pixelDistance(const IntPoint& a, const IntPoint& b)
{
    const double dx = static_cast<double>(a.x) - b.x, dy = static_cast<double>(a.y) - b.y;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

PolylineClick polylineClickAction(int pixelsFromPrevious, int count)
{
    if (pixelsFromPrevious >= kFinishPixels)
        return PolylineClick::AddVertex;
    // With one fixed vertex a second click in place would leave a single point: keep going.
    return count > 2 ? PolylineClick::Finish : PolylineClick::Stay;
}

PolylineClick polygonClickAction(int pixelsFromPrevious, int pixelsFromFirst, int count)
{
    if (pixelsFromPrevious < kPolygonStayPixels)
        return PolylineClick::Stay;
    if (pixelsFromFirst >= kPolygonClosePixels)
        return PolylineClick::AddVertex;
    return count > 3 ? PolylineClick::Finish : PolylineClick::Stay;
}

void PolylineInput::moveBandTo(const IntPoint& device)
{
    const int last = points_.count - 1;
    if (last < 1)
        return;
    Point p;
    element_.deviceToDrawing(&p, device, 1);
    Point previous;
    if (points_.getPoint(last - 1, &previous) && isShiftDown()) {
        // The segment becomes vertical when it rises at least as much as it runs, else horizontal.
        if (std::fabs(p.y - previous.y) >= std::fabs(p.x - previous.x))
            p.x = previous.x;
        else
            p.y = previous.y;
    }
    (void)points_.setXYZ(last, p.x, p.y, 0.0); // last is inside the list
    element_.beginOverlay();
    element_.drawRubberBandFrame();
}

int PolylineInput::cancelTracking()
{
    if (element_.overlayShown)
        element_.flushView();
    // The next mouse step resumes this input, unless the editor settled it meanwhile.
    element_.inputPending = !element_.inputSettled;
    return Element::kCancelled;
}

int PolylineInput::waitRelease(ViewParams& view)
{
    IntPoint device;
    int left = 1, right = 0;
    while (left || right) {
        if (!view.nextMousePoint(device, left, right))
            return 0;
    }
    return 1;
}

int PolylineInput::begin()
{
    ViewParams* view = element_.viewParams();
    Point press;
    if (!view || !element_.previousInputPoint(&press))
        return Element::kCancelled;
    element_.snapToGrid(&press);
    points_.count = 0;
    if (!points_.appendXYZ(press.x, press.y, 0.0) || !points_.appendXYZ(press.x, press.y, 0.0))
        return Element::kCancelled;
    element_.clearSavedExtent();
    element_.overlayShown = 0;
    if (isLeftButtonDown()) {
        // The button of the first press is still held: the band follows until it is released.
        element_.captureMouse();
        IntPoint last;
        view->cursorPosition(last);
        int lastShift = isShiftDown();
        int released = 0, inside = 1;
        for (;;) {
            IntPoint device;
            int left = 0, right = 0;
            if (!view->nextMousePoint(device, left, right) || element_.inputSettled)
                break;
            IntRect client;
            view->clientRect(client);
            inside = client.containsPoint(device);
            if (!left) {
                released = 1;
                break;
            }
            if (!inside)
                element_.autoScroll();
            const int shift = isShiftDown();
            if (device.x == last.x && device.y == last.y && shift == lastShift)
                continue;
            last = device, lastShift = shift;
            moveBandTo(device);
        }
        element_.releaseMouse();
        if (!released || !inside)
            return cancelTracking();
    }
    return run();
}

int PolylineInput::run()
{
    ViewParams* view = element_.viewParams();
    if (!view || points_.count < 2)
        return Element::kCancelled;
    IntPoint last;
    view->cursorPosition(last);
    int lastShift = isShiftDown();
    for (;;) {
        element_.showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        if (!element_tracking::nextClickStep(*view, device, left, right) || element_.inputSettled)
            return cancelTracking();
        if (left || right) {
            if (!waitRelease(*view))
                return cancelTracking();
        }
        if (left) {
            moveBandTo(device);
            // The band point as placed (Shift may have moved it off the cursor) against the
            // previous vertex, both in device pixels.
            Point previous, band;
            IntPoint previousDevice, bandDevice;
            (void)points_.getPoint(points_.count - 2, &previous); // the list holds two points or more here
            (void)points_.getPoint(points_.count - 1, &band);
            view->worldToDevice(previous.x, previous.y, &previousDevice);
            view->worldToDevice(band.x, band.y, &bandDevice);
            const PolylineClick action = polylineClickAction(pixelDistance(bandDevice, previousDevice), points_.count);
            if (action == PolylineClick::Finish) {
                --points_.count;
                if (element_.overlayShown)
                    element_.flushView();
                return Element::kComplete;
            }
            if (action == PolylineClick::AddVertex && max_ > 0 && points_.count >= max_) {
                // At the cap the click fixes the rubber-band point as the last vertex: the list
                // never grows past the cap, and the input is complete.
                points_.count = max_;
                if (element_.overlayShown)
                    element_.flushView();
                return Element::kComplete;
            }
            if (action == PolylineClick::AddVertex && !points_.appendXYZ(band.x, band.y, band.z))
                return cancelTracking();
        } else if (right) {
            if (points_.count - 1 < 2) {
                if (element_.overlayShown)
                    element_.flushView();
                return Element::kCancelled;
            }
            // The last fixed vertex becomes the rubber-band point.
            --points_.count;
            moveBandTo(device);
        } else {
            const int shift = isShiftDown();
            if (device.x == last.x && device.y == last.y && shift == lastShift)
                continue;
            moveBandTo(device);
        }
        last = device;
        lastShift = isShiftDown();
    }
}
