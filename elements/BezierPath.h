#pragma once
#include "geometry/DrawPoint.h"
#include "platform/IntPoint.h"
#include "platform/RgbColor.h"

class Element;
class OpenCloseAttribute;
class PointList;
class PolyPath;
class UndoManager;

// The interactive editor of a cubic Bezier control polygon: anchors at 0, 3, 6 ..., the two
// control points of the segment from anchor 3k to 3k + 3 at 3k + 1 and 3k + 2. It creates the
// polygon by mouse (freehand, oval, rectangle, triangle, quadrilateral, polygon), edits it point
// by point (drag, Shift smoothing, '+' and '-' on an anchor) and by the eight extent handles,
// with undo records, and draws its anchor and handle marks.
//
// It works on the owner's point list and open/close value, which it does not own; the owner is
// any element (the Bezier kind, the picture's mask) and gives the view, the overlay, the select
// tool, the undo manager and the overlay figures 21 (creation), 33 (point edit) and 35 (point add
// with its cursor mark). Every loop reads the mouse through the owner's view and ends when the
// tracking is cancelled (-1).
//
// A list whose count is not 3n + 1 (read from a damaged file) is still shown and dragged point by
// point, but '+' and '-' refuse it: they only run on whole segments.
class BezierPath {
public:
    // The creation methods, as the tool commands choose them.
    enum Method : int {
        kFreehandOpen = 1,
        kFreehandClosed = 2,
        kOval = 3,
        kRectangle = 4,
        kTriangle = 6,
        kQuadrilateral = 7,
        kPolygon = 8,
    };
    // The fewest points a shape creation keeps, and that '-' needs (two segments).
    static constexpr int kMinimumPoints = 7;

    BezierPath(Element* owner, PointList* points, OpenCloseAttribute* openClose);
    ~BezierPath();
    BezierPath(const BezierPath&) = delete;
    BezierPath& operator=(const BezierPath&) = delete;

    // Creation: 1 complete, -1 dropped or cancelled, 15 the freehand fit found nothing and the
    // element stays in hand, 0 nothing made (a freehand stroke of under three positions, or a
    // method that does not exist); the polygon method passes its input's codes through.
    [[nodiscard]] int beginCreate(int method);
    [[nodiscard]] int continueCreate(int method);

    // The point under the select tool's cursor: dragged (Shift smooths at it), or with '+' or '-'
    // typed on the active anchor a segment added or removed. 11 done, -1 cancelled or refused,
    // 0 nothing under the cursor ('+' on a control point also answers 0).
    [[nodiscard]] int editByMouse();
    // The same with the key that steers it given: '+', '-', or 0 for a drag.
    [[nodiscard]] int editByMouseWithKey(int key);
    // Handle n (0..7) of the owner's extent dragged: every point mapped from the old box onto the
    // new one. 11 done, -1 cancelled or no such handle.
    [[nodiscard]] int dragHandle(int n);
    // The picture mask's forms: the user's next press in the view (ViewParams::waitUserPress) on
    // a handle (or anywhere) starts the drag (or the point edit) with the owner left drawn; a
    // '+' or '-' typed while the point edit waited steers it. 0 when no handle was pressed or the
    // user did something else.
    [[nodiscard]] int pickHandleAndDrag();
    [[nodiscard]] int clickAndEdit();

    // The anchor marks, and with an active point its four handle lines, on the surface of the
    // operation.
    void drawMarks(int operation);
    // The path as an unfilled curve with the output offset (drawing units); 0 without owner,
    // points or the curve drawer.
    [[nodiscard]] int drawCurve(int operation, double dx, double dy, double dz);
    // The owner's extent := the box of every point; then its store entry is refreshed.
    void refreshExtent();
    // The anchor under the cursor, else a control point next to the active anchor; -1 for none.
    // With select set the hit becomes the active point.
    [[nodiscard]] int hitPoint(int select);
    // The control point next to the active point under the cursor (h-1, h-2, h+1, h+2), or -1.
    [[nodiscard]] int hitControlPoint();
    void clearActive() { activePoint = -1; }

    // --- the decisions of the loops, apart from them ---
    // A new anchor at p next to anchor h of the list (the rules of '+'): 1 inserted, 0 when the
    // rules insert nothing or h is no anchor of whole segments.
    [[nodiscard]] static int insertAnchor(PointList& list, int h, const Point& p);
    // Anchor h removed with its two control points; 0 below two segments or when h is no anchor.
    [[nodiscard]] static int removeAnchor(PointList& list, int h);
    // The third point of a triangle: the cursor, or with Shift the apex of the equilateral
    // triangle on the edge a-b on the cursor's side.
    [[nodiscard]] static Point trianglePoint(const Point& a, const Point& b, const Point& cursor, int shift);
    // The second corner with Shift: the smaller of the two differences from the first set to 0.
    [[nodiscard]] static Point axisCorner(const Point& first, const Point& cursor);

    Element* owner = nullptr;               // not owned
    PointList* points = nullptr;            // the owner's list, not owned
    OpenCloseAttribute* openClose = nullptr; // the owner's, not owned
    RgbColor markColour;                    // the freehand trace
    int activePoint = -1;
    IntPoint lastMouse;                     // where the add cursor was last drawn
    DrawPoint scratch[2];                   // first corner, second corner during creation
    int shapeOption = 1;                    // the oval method's kind: 1 full, 2 half, 3 quarter
    int anchorsPlaced = 0;
    PolyPath* polygonInput = nullptr;       // owned; made for the polygon method
    int keepDrawn = 0;                      // 1: the owner is not erased before an edit
    // 0: the owner records the whole edit as one step (the picture's mask, whose property sheet
    // keeps the element before and after), so the path's own point records would replay on the
    // owner's points instead of the outline's.
    int recordsPointEdits = 1;

private:
    // The first step of a creation (starting) or a later one.
    [[nodiscard]] int create(int method, int starting);
    [[nodiscard]] int freehand(int method);
    [[nodiscard]] int beginShape(int method);
    [[nodiscard]] int continueShape(int method);
    // The second corner of the triangle and quadrilateral methods; 11 placed, -1 cancelled.
    [[nodiscard]] int placeSecondCorner();
    // The figure follows the cursor until a release (12) or a click (11); -1 cancelled.
    [[nodiscard]] int followShape(int method);
    // The list rebuilt by the method's construction from the corners and the cursor.
    void buildShape(int method, const Point& cursor, int shift);
    [[nodiscard]] int dragPoint(int h);
    [[nodiscard]] int addPoint(int h);
    [[nodiscard]] int deletePoint(int h);
    // Follows the held button, each new position kept as lastMouse and the figure redrawn; 1 on
    // release, 0 when cancelled.
    [[nodiscard]] int trackRelease(int figure);
    void recordAllPoints();
    // The select tool's pick point := the cursor, where the press was taken.
    void pickAtPress();
    // The owner's undo manager while the path records its edits; null otherwise.
    [[nodiscard]] UndoManager* pointRecords() const;
    [[nodiscard]] int keyedOption() const;
};
