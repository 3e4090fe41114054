#pragma once
#include "platform/IntPoint.h"

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
    virtual int isCursorInView() = 0;
    // Queues an internal mouse move (13040) for the view window.
    virtual void postMouseMove() = 0;
    virtual int canZoomIn() = 0;
    virtual int canZoomOut() = 0;
    virtual int zoomIn() = 0;
    virtual int zoomOut() = 0;
    virtual int zoomByMouse() = 0;
    // Zooms by factor about a device point of the view; 0 when the point lies outside it.
    virtual int zoomAtPoint(const IntPoint& point, double factor) = 0;
    // Back to the mapping of a new document window.
    virtual void reset() = 0;
};
