#pragma once
// An interface that this folder and those above call; a folder above implements it.
#include "geometry/DoubleRect.h"
#include "geometry/MouseLoopResult.h"
#include "platform/IntPoint.h"
#include "platform/IntRect.h"

class DeviceContext;
class DocumentContext;
class Window;

// The view mapping of a document window between drawing coordinates and device pixels, with the
// zoom of the view, as the folders below see it. A document window's mapping is ViewMapping
// (views/ViewMapping.h); tests put simpler views in its place.
class ViewParams {
public:
    virtual ~ViewParams() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Invalidates the view window's client area; 0 without a window.
    virtual int repaintClientArea() = 0;
    // 1 while the cursor lies in the view's client area.
    [[nodiscard]] virtual int isCursorInView() = 0;
    // Queues an internal mouse move (13040) for the view window.
    virtual void postMouseMove() = 0;
    [[nodiscard]] virtual int canZoomIn() = 0;
    [[nodiscard]] virtual int canZoomOut() = 0;
    virtual int zoomIn() = 0;
    virtual int zoomOut() = 0;
    virtual int zoomByMouse() = 0;
    // Zooms by factor about a device point of the view; 0 when the point lies outside it.
    virtual int zoomAtPoint(const IntPoint& point, double factor) = 0;
    // Back to the mapping of a new document window.
    virtual void reset() = 0;

    // The mapping between drawing coordinates and device pixels of the view. deviceToWorld gives
    // z = 0. worldToDevice and worldToDeviceXYZ do not clamp (z is ignored); the clamped forms
    // keep both coordinates within -32000..32000. The ForOp forms map for an element operation:
    // while printing (operation 71) the print output maps the value.
    virtual void deviceToWorld(const IntPoint& device, double* x, double* y, double* z) = 0;
    virtual void worldToDevice(double x, double y, IntPoint* out) = 0;
    virtual void worldToDeviceXYZ(double x, double y, double z, IntPoint* out) = 0;
    virtual void worldToDeviceClamped(double x, double y, IntPoint* out) = 0;
    virtual void worldToDeviceXYZClamped(double x, double y, double z, IntPoint* out) = 0;
    [[nodiscard]] virtual int worldToDeviceXForOp(int operation, double x) = 0;
    [[nodiscard]] virtual int worldToDeviceYForOp(int operation, double y) = 0;
    // The device point, and the device rectangle (left and right from the x extent, top and
    // bottom from the y extent), of drawing coordinates for an element operation.
    virtual void worldToDeviceForOp(int operation, double x, double y, IntPoint* out)
    {
        out->set(worldToDeviceXForOp(operation, x), worldToDeviceYForOp(operation, y));
    }
    virtual void worldRectToDeviceForOp(int operation, const DoubleRect& rect, IntRect* out)
    {
        *out = IntRect::fromEdges(worldToDeviceXForOp(operation, rect.minX), worldToDeviceYForOp(operation, rect.minY),
                                  worldToDeviceXForOp(operation, rect.maxX), worldToDeviceYForOp(operation, rect.maxY));
    }
    // Between on and off (nested pairs allowed) the mapping's quantities are gathered once, at
    // the outermost on, instead of at every mapped point: for loops that map many points while
    // nothing changes the mapping (a page redraw, the selection's marks). Nothing by default.
    virtual void holdMapping(int on) { (void)on; }
    // The window caption: the document's name, the resolution and "dpi".
    virtual void updateViewCaption() = 0;
    // After a new sheet: the zoom of a new window again. Nothing without a window (the default).
    virtual void resetZoom() {}
    // The view window's client rectangle in pixels; empty without a window (the default).
    virtual void clientRect(IntRect& out) { out.init(); }

    // A length in paper millimetres as device pixels at the view's zoom and the paper's scale
    // (the font heights); the operation form maps for an output operation (71 printing) as its
    // output does. The defaults, a view without a mapping, answer 0.
    [[nodiscard]] virtual double lengthToPixels(double millimetres)
    {
        (void)millimetres;
        return 0.0;
    }
    [[nodiscard]] virtual double lengthToPixelsForOp(int operation, double millimetres)
    {
        (void)operation;
        return lengthToPixels(millimetres);
    }
    // The other way: pixels as paper millimetres for an output operation; 0 by default.
    [[nodiscard]] virtual double pixelsToLengthForOp(int operation, double pixels)
    {
        (void)operation, (void)pixels;
        return 0.0;
    }

    // Draws the elements of the current page on `surface`, scaled so that the drawing rectangle
    // `extent` fits a square of `size` pixels at (0, 0), with the paper's one-to-one switch set
    // meanwhile (a part's thumbnail). 1 when drawn; the default, a view that cannot draw, 0.
    [[nodiscard]] virtual int drawPageScaled(DeviceContext& surface, const DoubleRect& extent, int size)
    {
        (void)surface, (void)extent, (void)size;
        return 0;
    }

    // One step of a mouse loop: pumps one event and reads the pointer (view client pixels) and
    // the left and right buttons. 0 when the tracking was cancelled (the cancel is taken back),
    // which ends the loop; the default, a view without a window, answers 0.
    [[nodiscard]] virtual int nextMousePoint(IntPoint& device, int& left, int& right)
    {
        (void)device;
        left = right = 0;
        return 0;
    }
    // The same, where requireOwnMessage also asks that the current message is addressed to the
    // view window; 1 when the pointer lies in the view area.
    [[nodiscard]] virtual int nextMousePoint(IntPoint& device, int& left, int& right, int requireOwnMessage)
    {
        (void)requireOwnMessage;
        return nextMousePoint(device, left, right);
    }
    // The first form with a pump step that never blocks: with nothing queued it waits a moment
    // at most, so that a wait bounded in time ends on time. The default is the first form.
    [[nodiscard]] virtual int pollMousePoint(IntPoint& device, int& left, int& right)
    {
        return nextMousePoint(device, left, right);
    }
    // Reads the pointer and the buttons without pumping; 1 when the pointer lies in the view area
    // (0 also while the application quits).
    [[nodiscard]] virtual int readMousePoint(IntPoint& device, int& left, int& right, int requireOwnMessage)
    {
        (void)device, (void)requireOwnMessage;
        left = right = 0;
        return 0;
    }
    // Pumps one event, then reads the left and right buttons; 0 once the application quits (the
    // default, a view without a window, answers 0 at once).
    [[nodiscard]] virtual int pollMouseButtons(int& left, int& right)
    {
        left = right = 0;
        return 0;
    }
    // Polls until a button goes down: 11 left, 21 right, 31 when the loop is interrupted, -1 when
    // the wait ended (the tracking loop was cancelled, or the application quits).
    [[nodiscard]] virtual int waitClick(int kind)
    {
        (void)kind;
        IntPoint device;
        int left = 0, right = 0;
        while (nextMousePoint(device, left, right)) {
            if (left)
                return loopCode(MouseLoopResult::LeftClick);
            if (right)
                return loopCode(MouseLoopResult::RightClick);
        }
        return loopCode(MouseLoopResult::Ended);
    }
    // The wait of a tool that nothing starts again once the wait has ended (the picture's mask
    // tools, which the property sheet starts as it closes): polls until the user's own act. 11 a
    // left press in the view, 21 a right press there; -1 when the user did something else (Esc,
    // a press or a key in another window, a command) or the application quits. What is not the
    // user's press or key (painting, timers, activation, the pointer over other windows) is
    // handled and the wait goes on. `typed` receives the last character typed in the view while
    // it waited (0 for none). The default is waitClick's.
    [[nodiscard]] virtual int waitUserPress(int& typed)
    {
        typed = 0;
        return waitClick(0);
    }
    // One step of a loop that follows the pointer until the user's own press in the view (a part
    // placed by mouse): pumps one event and reads the pointer (view client pixels) and the left
    // button. `press` is 1 for a left press in the view's drawing area, 2 for a right press in the
    // view, 0 otherwise: a button held down since before the step is no press. 0 when the loop
    // ends: the tracking was cancelled, Esc was pressed, the application quits, or the user acted
    // elsewhere (a press or a key in another window, a command), which is left to be handled after
    // the loop. The default reads a button down as its press.
    [[nodiscard]] virtual int nextUserStep(IntPoint& device, int& left, int& press)
    {
        int right = 0;
        press = 0;
        if (!nextMousePoint(device, left, right))
            return 0;
        press = left ? 1 : right ? 2 : 0;
        return 1;
    }
    // The pointer in drawing coordinates; 0 without a window (the default).
    [[nodiscard]] virtual int mouseWorldXY(double& x, double& y)
    {
        x = y = 0.0;
        return 0;
    }

    // The view's window (null for a detached view, the default), and the cursor in its client
    // pixels ((0, 0) without one).
    [[nodiscard]] virtual Window* window() { return nullptr; }
    virtual void cursorPosition(IntPoint& out) { out.set(0, 0); }
    // 1 when the drawing point maps into the view's client rectangle.
    [[nodiscard]] virtual int isWorldPointVisible(double x, double y)
    {
        IntRect client;
        clientRect(client);
        IntPoint p;
        worldToDevice(x, y, &p);
        return client.width() > 0 && client.height() > 0 && p.x >= client.left && p.x <= client.right &&
               p.y >= client.top && p.y <= client.bottom;
    }
    // One coordinate each way (ruler band, scroll offset and origin applied).
    [[nodiscard]] virtual double deviceToWorldX(int x)
    {
        double wx = 0.0, wy = 0.0, wz = 0.0;
        deviceToWorld(IntPoint(x, 0), &wx, &wy, &wz);
        return wx;
    }
    [[nodiscard]] virtual double deviceToWorldY(int y)
    {
        double wx = 0.0, wy = 0.0, wz = 0.0;
        deviceToWorld(IntPoint(0, y), &wx, &wy, &wz);
        return wy;
    }
    void deviceToWorldXY(const IntPoint& device, double* x, double* y)
    {
        double z = 0.0;
        deviceToWorld(device, x, y, &z);
    }
    [[nodiscard]] int worldToDeviceX(double x)
    {
        IntPoint p;
        worldToDevice(x, 0.0, &p);
        return p.x;
    }
    [[nodiscard]] int worldToDeviceY(double y)
    {
        IntPoint p;
        worldToDevice(0.0, y, &p);
        return p.y;
    }
    // Pixels as millimetres at a given zoom (and, with use72, at 72 dpi instead of the screen's),
    // when useScale in drawing units; 0 by default.
    [[nodiscard]] virtual double pixelsToLengthEx(double pixels, double zoom, int useScale, int use72)
    {
        (void)pixels, (void)zoom, (void)useScale, (void)use72;
        return 0.0;
    }
    // A length in drawing units (useScale 1) or paper millimetres (useScale 0) as whole device
    // pixels at the current zoom, toward zero; 0 without a window (the default).
    [[nodiscard]] virtual double lengthToPixels(double length, int useScale) const
    {
        (void)length, (void)useScale;
        return 0.0;
    }
};
