#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;
class DoubleRect;
class DrawingOwner;
class IntPolygon;
class Point;
class PointArray;
class PointList;
class ThreePointArc;
class ViewParams;

// The select and edit tool. Only the operations that the document context forwards and that
// undo and redo call are declared here.
class SelectTool {
public:
    virtual ~SelectTool() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Runs the tool for the current mouse event.
    virtual int onMouse() = 0;
    // The keys while the tool is current: the arrow keys move the selection one step, and the
    // key's release finishes the move. Nothing by default.
    virtual int onKeyDown() { return 0; }
    virtual int onKeyUp() { return 0; }
    virtual int selectAll() = 0;
    // Selects the element under the cursor (the idle click loop).
    virtual int selectByClick() = 0;
    // Selection mode: 0 none, 1 one element, 2 several.
    [[nodiscard]] virtual int selectionMode() = 0;
    [[nodiscard]] virtual int canEditProperties() = 0;
    virtual int openProperties() = 0;
    // Steps the property dialog to the previous (-1) or next (1) selected element.
    virtual int stepSelection(int direction) = 0;
    // 1 while the tool is editing an element.
    [[nodiscard]] virtual int isEditing() = 0;
    // The edit state of the single selected element (0 unless exactly one is selected).
    [[nodiscard]] virtual int singleElementEditState() = 0;
    virtual void hideMarks() = 0;
    virtual void redrawMarks() = 0;

    // The selection as undo and redo read and restore it. In single mode the one id is held by
    // the tool, in list mode the ids come from the document's selection. The defaults stand for
    // a tool that selects nothing.
    virtual void setSelectionMode(int mode) { (void)mode; }
    virtual void clearSelection() {}
    // Single mode: this id becomes the one selected element.
    virtual void selectSingle(int id) { (void)id; }
    // List mode: appends the id.
    virtual void addToSelection(int id) { (void)id; }
    // A walk over the selected ids (part files are written from them); an id below 1 ends it.
    [[nodiscard]] virtual int firstSelectedId() { return 0; }
    [[nodiscard]] virtual int nextSelectedId() { return 0; }
    [[nodiscard]] virtual int selectedCount() { return 0; }
    // Back to the state of no gesture under way (a page switch).
    virtual void resetState() {}
    // Where the left button went down, in drawing coordinates.
    virtual void getPressPoint(double& x, double& y) { x = y = 0.0; }

    // Rectangle selection: the rectangle in drawing coordinates (normalised), then one call per
    // candidate of the rectangle's page: the element with that id is taken and answers whether
    // it lies wholly inside (whole 1) or touches (whole 0) the rectangle.
    virtual void setSelectionRect(double minX, double minY, double maxX, double maxY)
    {
        (void)minX, (void)minY, (void)maxX, (void)maxY;
    }
    [[nodiscard]] virtual int testCandidate(int id, int whole)
    {
        (void)id, (void)whole;
        return 0;
    }
    // Lets the user click an element of the current page; its id, or a negative value when the
    // click hit none.
    [[nodiscard]] virtual int pickElement() { return -1; }

    // What the elements ask of the tool's cursor and marks (a tool without view: nothing, 0).
    // 1 when a drawing point lies under the cursor's pick box.
    [[nodiscard]] virtual int isUnderCursor(const Point& point)
    {
        (void)point;
        return 0;
    }
    // The select tool's marks on the surface of an operation: one side of an extent box, a
    // handle mark (active or not), the filled mark of a point.
    virtual void drawExtentSide(int operation, const Point& from, const Point& to)
    {
        (void)operation, (void)from, (void)to;
    }
    virtual void drawHandleMark(int operation, const Point& at, int active) { (void)operation, (void)at, (void)active; }
    virtual void drawPointMark(int operation, const Point& at) { (void)operation, (void)at; }
    // The pick box placed around the mouse's current point, and the element of the current page
    // found in it: its id, or a negative value when none was hit (the default: nothing is hit).
    virtual void setPickBoxAtMouse() {}
    [[nodiscard]] virtual int findInPickBox() { return -1; }
    // The pick area (the selection rectangle) holds the whole box.
    [[nodiscard]] virtual int pickAreaContainsBox(const Point& low, const Point& high)
    {
        (void)low, (void)high;
        return 0;
    }

    // --- stroke hit tests against the last pick (bodies in SelectToolHitTests.cpp) ---
    // What the tests read of the tool: the pick box in drawing coordinates (x1 <= x2, y1 <= y2),
    // the pick tolerance (drawing units) and the drawing and view that size pen widths and give
    // device positions (either may be null: paper scale 1:1, no device positions). A tool
    // without a pick answers 0 from strokePick, and then nothing hits.
    struct StrokePick {
        double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
        double tolerance = 0.0;
        DrawingOwner* drawing = nullptr; // not owned
        ViewParams* view = nullptr;      // not owned
    };
    [[nodiscard]] virtual int strokePick(StrokePick& out)
    {
        (void)out;
        return 0;
    }
    // Widths are paper millimetres (0.01 when none is given); the mode is the line position: 1
    // the stroke is centred on the geometry, 2 and 3 it lies on one side, offset by half the
    // width along the direction of travel turned by 270 (2) or 90 (3) degrees; any other mode
    // counts as 1. Each answers 1 when the stroke meets the pick box grown by half the width.
    [[nodiscard]] virtual int hitTestStroke(const Point& p1, const Point& p2, double width);
    [[nodiscard]] virtual int hitTestStrokeWithCaps(const Point& p1, const Point& p2, double width, int mode);
    // Segment by segment; fewer than 2 points never hit; closed adds the segment from the last
    // point back to the first.
    [[nodiscard]] virtual int hitTestPolyline(const PointArray& points, double width, int mode, int closed);
    [[nodiscard]] int hitPolyline(const PointArray& points, double width, int mode, int closed)
    {
        return hitTestPolyline(points, width, mode, closed);
    }
    [[nodiscard]] virtual int hitTestOpenPolyline(const PointArray& points, double width, int mode);
    [[nodiscard]] int hitOpenPolyline(const PointArray& points, double width, int mode)
    {
        return hitTestOpenPolyline(points, width, mode);
    }
    // More than 2 control points: the B-spline through them, sampled 3 times per span, as an
    // open polyline; else the control points themselves.
    [[nodiscard]] virtual int hitTestSpline(const PointArray& controls, double width, int mode);
    // filled: the pick point inside the points' device polygon hits; otherwise (or outside) the
    // closed outline, with width 0.01 unless widthGiven.
    [[nodiscard]] virtual int hitTestPoints(const PointArray& points, double width, int mode, int widthGiven,
                                            int filled);
    [[nodiscard]] virtual int hitTestFilledOutline(const PointArray& points);
    // The outline of an element: the edge counts when drawn, the inside when filled or hatched.
    [[nodiscard]] virtual int hitOutline(const PointList& points, double width, int position, int edge, int inside);
    // The pick point's device position lies inside the device polygon.
    [[nodiscard]] virtual int pickInsidePolygon(IntPolygon& polygon);
    // Arcs: through three points (0 when they make no arc), by centre, radius and angles
    // (degrees), or computed already. The stroke's path crossing the pick box hits; else the pick
    // centre must lie within the pick tolerance plus half the width of the circle (never at its
    // centre) and within the arc's angles.
    [[nodiscard]] virtual int hitTestThreePointArc(const Point& start, const Point& middle, const Point& end,
                                                   double width);
    [[nodiscard]] virtual int hitTestThreePointArcMode(const Point& start, const Point& end, const Point& middle,
                                                       double width, int mode);
    [[nodiscard]] virtual int hitTestArc(const Point& centre, double radius, double startAngle, double endAngle,
                                         double width, int mode);
    [[nodiscard]] virtual int hitTestArcShape(const ThreePointArc& arc, double width, int mode);
    // The pick box overlaps the rectangle (touching does not count).
    [[nodiscard]] virtual int pickBoxMeets(const DoubleRect& rect);
    // The extent box grown by the length of 3 pixels on every side holds the pick box's centre.
    [[nodiscard]] virtual int extentContainsPickCentre(const Point& low, const Point& high);
};
