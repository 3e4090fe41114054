#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "platform/IntPoint.h"
#include "platform/IntRect.h"

class DocumentContext;

// The view mapping of a document window between drawing coordinates and device pixels, with the
// zoom of the view. Only the operations that the document context forwards are declared here;
// the mapping itself arrives with the views.
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
    // The window caption: the document's name, the resolution and "dpi".
    virtual void updateViewCaption() = 0;
    // After a new sheet: the zoom of a new window again. Nothing without a window (the default).
    virtual void resetZoom() {}
    // The view window's client rectangle in pixels; empty without a window (the default).
    virtual void clientRect(IntRect& out) { out.init(); }

    // One step of a mouse loop: pumps one event and reads the pointer (view client pixels) and
    // the left and right buttons. 0 when the tracking was cancelled (the cancel is taken back),
    // which ends the loop; the default, a view without a window, answers 0.
    [[nodiscard]] virtual int nextMousePoint(IntPoint& device, int& left, int& right)
    {
        (void)device;
        left = right = 0;
        return 0;
    }

    // One coordinate of the mapping: a device x (y) of the view as a drawing x (y), and a drawing
    // x (y) as a device x (y), unclamped; callers pass coordinates inside the view.
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
    [[nodiscard]] virtual int worldToDeviceX(double x)
    {
        IntPoint p;
        worldToDevice(x, 0.0, &p);
        return p.x;
    }
    [[nodiscard]] virtual int worldToDeviceY(double y)
    {
        IntPoint p;
        worldToDevice(0.0, y, &p);
        return p.y;
    }
    // 1 when the drawing point maps into the client rectangle (never without a window).
    [[nodiscard]] virtual int isWorldPointVisible(double x, double y)
    {
        IntRect client;
        clientRect(client);
        IntPoint p;
        worldToDeviceClamped(x, y, &p);
        return p.x >= client.left && p.x < client.right && p.y >= client.top && p.y < client.bottom;
    }
    // A length in drawing units (useScale 1) or paper millimetres (useScale 0) as device pixels
    // at the current zoom, truncated toward zero and kept within the int range; 0 without a
    // window (the default).
    [[nodiscard]] virtual int lengthToPixels(double length, int useScale)
    {
        (void)length, (void)useScale;
        return 0;
    }
    // Waits in the view until a mouse button is pressed (mode 0 is the only mode): 11 for the
    // left button, 21 for the right one, 0 when the wait was cancelled (the tracking loop ended).
    [[nodiscard]] virtual int waitClick(int mode)
    {
        (void)mode;
        IntPoint device;
        int left = 0, right = 0;
        while (nextMousePoint(device, left, right)) {
            if (left)
                return 11;
            if (right)
                return 21;
        }
        return 0;
    }
    // The mouse position in drawing coordinates; 0 (and nothing set) without a window.
    [[nodiscard]] virtual int mouseWorldXY(double& x, double& y)
    {
        (void)x, (void)y;
        return 0;
    }
};
