#pragma once
#include "geometry/Point.h"
#include "platform/Region.h"
#include "shapes/Shape.h"

class IntPolygon;

// The base of the fills of a closed outline: it knows the outline (the shape's path, drawing
// units, not owned), its bounds, and how to make the outline the clip of the current output (a
// polygon clip region on a window, a clip path in PostScript and in PDF). The hatch and the
// gradation fills derive from it.
//
// The shape's offset is added to the outline once, wherever it is used: in the bounds, in the
// device polygon and in the clip paths. An outline of fewer than three points is no area: the
// fills draw and write nothing for it.
class ClipPathShape : public Shape {
public:
    ClipPathShape() = default;

    // The closed outline, not owned: it must outlive the operation. The first point need not
    // be repeated at the end.
    void setOutline(PointArray* points) { path = points; }
    [[nodiscard]] int outlineIsArea() const;

    // The componentwise minimum and maximum of the outline, moved by the offset; false without
    // points or when a coordinate is not finite.
    [[nodiscard]] bool computeBounds();

    // Window clips (on the surface of the operation). saveClip keeps the surface's clip region
    // (or its clip box, when it has no region); setPolygonClip makes the outline the clip,
    // narrowed to the box of the kept region; restoreClip puts the kept region back, or removes
    // the clip when none was kept. setPolygonClip answers 0, and the fill draws nothing, when the
    // outline gives no device polygon.
    void saveClip();
    [[nodiscard]] int setPolygonClip();
    void restoreClip();
    // The device polygon of the outline (with the offset) for the operation, closed; 0 when it
    // has fewer than three points.
    [[nodiscard]] int buildDevicePolygon(IntPolygon& polygon);

    // The outline as the clip path: PostScript new path, the outline, close, clip (1 when it
    // was started, also when a write failed); PDF "q", the outline, "h", "W n" (0 at the first
    // failed write). Both 0 without an area. endPdfClip writes "Q".
    [[nodiscard]] int writePostScriptClip();
    [[nodiscard]] int writePdfClip();
    [[nodiscard]] int endPdfClip();

protected:
    // One operation of a fill through the three outputs: PDF at once, else the operation's
    // surface prepared and the colour chosen from `own` into `out`, then PostScript or the
    // device. 1 done, 0 when the operation is refused or has no surface.
    [[nodiscard]] int runFill(int operation, int newMode, const InkColor& own, InkColor& out);
    virtual void drawOnDevice() {}
    virtual void writePostScript() {}
    virtual void writePdf() {}

public:

    Point lowerBound;
    Point upperBound;
    Region savedClip;
    int hadClip = 0;
    // Lines written in the current PostScript or PDF run.
    int lineCount = 0;
    // Set by a caller that has written the clip path already: the PostScript and PDF runs write
    // none of their own.
    int clipSuppressed = 0;
};
