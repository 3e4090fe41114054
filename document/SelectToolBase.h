#pragma once
// The select tool as this folder and those above call it; views/tools/SelectTool implements it.
#include "geometry/StrokePick.h"

class DocumentContext;
class DoubleRect;
class IntPolygon;
class Point;
class PointArray;
class PointList;
class ThreePointArc;

// What the document, the elements and the shapes ask of a drawing's select tool: the selection
// as undo, the clipboard and the file read and restore it, the tool's cursor and marks, and the
// stroke hit tests against its last pick. The select tool of views/tools implements it; each
// drawing owns one.
//
// Coordinates: the pick point and box are drawing units.
class SelectToolBase {
public:
    using StrokePick = ::StrokePick;

    SelectToolBase() = default;
    virtual ~SelectToolBase() = default;
    SelectToolBase(const SelectToolBase&) = delete;
    SelectToolBase& operator=(const SelectToolBase&) = delete;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Runs the tool for the current mouse event: tracks the mouse until a button or a key, then
    // handles it. The tracking outcome (11 left, 21 right, 31 key, -1 aborted).
    virtual int onMouse() = 0;
    virtual int selectAll() = 0;
    // The click loop while no tool is pressed: waits for a click; a left one acts as a click of
    // this tool would (it selects under the cursor), a right one asks for the menu.
    virtual int selectByClick() = 0;
    // Selection mode: 0 none, 1 one element, 2 several.
    [[nodiscard]] virtual int selectionMode() = 0;
    [[nodiscard]] virtual int canEditProperties() = 0;
    virtual int openProperties() = 0;
    // Steps the property dialog to the previous (-1) or next (1) selected element.
    virtual int stepSelection(int direction) = 0;
    // 1 while a drag move of the selection runs.
    [[nodiscard]] virtual int isEditing() = 0;
    // The edit state of the single selected element (0 unless exactly one is selected).
    [[nodiscard]] virtual int singleElementEditState() = 0;
    virtual void hideMarks() = 0;
    virtual void redrawMarks() = 0;
    // The painter copied into the overlay with the marks drawn over it, not yet shown: a preview
    // drawn over them next shows with them in one copy (ViewUpdater::flushOverlay).
    virtual void drawMarksOnOverlay() = 0;
    // The arrow steps gathered since the last record become one move record; nothing when they
    // sum to 0. Called on key release, on every tool switch and when the view loses the focus.
    virtual void applyArrowMove() = 0;

    // The selection as undo and redo read and restore it. In single mode the one id is held by
    // the tool, in list mode the ids come from the document's selection.
    virtual void setSelectionMode(int mode) = 0;
    // resetState, and the list emptied.
    virtual void clearSelection() = 0;
    // Single mode: this id becomes the one selected element (mode 0 for an id below 1).
    virtual void selectSingle(int id) = 0;
    // List mode: appends the id.
    virtual void addToSelection(int id) = 0;
    // A walk over the selected ids (part files are written from them); an id below 1 ends it.
    [[nodiscard]] virtual int firstSelectedId() = 0;
    [[nodiscard]] virtual int nextSelectedId() = 0;
    // Back to the state of no gesture under way (a page switch); nothing while locked.
    virtual void resetState() = 0;
    // Forgets the last pick only (its candidates, the hovered handle, the add and remove keys):
    // the selection stays. An element runs it as its input ends and before its points are edited.
    virtual void resetPickState() = 0;
    // Where the left button went down, in drawing coordinates.
    virtual void getPressPoint(double& x, double& y) = 0;

    // Rectangle selection: the rectangle in drawing coordinates (normalised), then one call per
    // candidate of the rectangle's page: the element with that id is taken and answers whether
    // it lies wholly inside (whole 1) or touches (whole 0) the rectangle.
    virtual void setSelectionRect(double minX, double minY, double maxX, double maxY) = 0;
    [[nodiscard]] virtual int testCandidate(int id, int whole) = 0;
    // Lets the user click an element of the current page; its id, or a negative value when the
    // click hit none.
    [[nodiscard]] virtual int pickElement() = 0;

    // What the elements ask of the tool's cursor and marks (a tool without view: nothing, 0).
    // 1 when a drawing point lies in the 6 x 6-pixel square around the pick point.
    [[nodiscard]] virtual int isUnderCursor(const Point& point) = 0;
    // The select tool's marks on the surface of an operation, in the pick colour: one side of an
    // extent box, a handle mark (hollow when not active), the framed mark of a point.
    virtual void drawExtentSide(int operation, const Point& from, const Point& to) = 0;
    virtual void drawHandleMark(int operation, const Point& at, int active) = 0;
    virtual void drawPointMark(int operation, const Point& at) = 0;
    // The pick box placed around the mouse's current point, and the element of the current page
    // found in it: its id, or a negative value when none was hit.
    virtual void setPickBoxAtMouse() = 0;
    [[nodiscard]] virtual int findInPickBox() = 0;
    // The pick area (the selection rectangle) holds the whole box.
    [[nodiscard]] virtual int pickAreaContainsBox(const Point& low, const Point& high) = 0;

    // --- stroke hit tests against the last pick (the geometry is StrokePick's) ---
    // The last pick; 0 when there is none (then nothing hits).
    [[nodiscard]] virtual int strokePick(StrokePick& out) = 0;
    // Each runs the StrokePick test of its name on the last pick (see geometry/StrokePick.h for
    // widths and modes); the forms below forward to the others, so that a tool may replace one
    // test for all its callers.
    [[nodiscard]] virtual int hitTestStroke(const Point& p1, const Point& p2, double width);
    [[nodiscard]] virtual int hitTestStrokeWithCaps(const Point& p1, const Point& p2, double width, int mode);
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
    [[nodiscard]] virtual int hitTestSpline(const PointArray& controls, double width, int mode);
    [[nodiscard]] virtual int hitTestPoints(const PointArray& points, double width, int mode, int widthGiven,
                                            int filled);
    [[nodiscard]] virtual int hitTestFilledOutline(const PointArray& points);
    // The outline of an element: the edge counts when drawn, the inside when filled or hatched.
    [[nodiscard]] virtual int hitOutline(const PointList& points, double width, int position, int edge, int inside);
    [[nodiscard]] virtual int pickInsidePolygon(IntPolygon& polygon);
    // Arcs: through three points (0 when they make no arc), by centre, radius and angles
    // (degrees), or computed already.
    [[nodiscard]] virtual int hitTestThreePointArc(const Point& start, const Point& middle, const Point& end,
                                                   double width);
    [[nodiscard]] virtual int hitTestThreePointArcMode(const Point& start, const Point& end, const Point& middle,
                                                       double width, int mode);
    [[nodiscard]] virtual int hitTestArc(const Point& centre, double radius, double startAngle, double endAngle,
                                         double width, int mode);
    [[nodiscard]] virtual int hitTestArcShape(const ThreePointArc& arc, double width, int mode);
    [[nodiscard]] virtual int pickBoxMeets(const DoubleRect& rect);
    [[nodiscard]] virtual int extentContainsPickCentre(const Point& low, const Point& high);
};
