#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;
class Point;
class PointList;

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
    // The outline test at the cursor: the points, the width (drawing units), the line position,
    // whether the edge is drawn and whether the inside counts.
    [[nodiscard]] virtual int hitOutline(const PointList& points, double width, int position, int edge, int inside)
    {
        (void)points, (void)width, (void)position, (void)edge, (void)inside;
        return 0;
    }
    // The pick box placed around the mouse's current point, and the element of the current page
    // found in it: its id, or a negative value when none was hit (the default: nothing is hit).
    virtual void setPickBoxAtMouse() {}
    [[nodiscard]] virtual int findInPickBox() { return -1; }
    // The stroke p1-p2 of the width (paper millimetres) at the line position (1 centred, 2 and
    // 3 on one side) meets the pick area; the extent box grown by 3 pixels holds the pick
    // centre; the pick area (the selection rectangle) holds the whole box.
    [[nodiscard]] virtual int hitTestStrokeWithCaps(const Point& p1, const Point& p2, double width, int position)
    {
        (void)p1, (void)p2, (void)width, (void)position;
        return 0;
    }
    // The open polyline of the width (paper millimetres) at the line position meets the pick
    // area; the spline form samples the control points first.
    [[nodiscard]] virtual int hitOpenPolyline(const PointList& points, double width, int position)
    {
        (void)points, (void)width, (void)position;
        return 0;
    }
    [[nodiscard]] virtual int extentContainsPickCentre(const Point& low, const Point& high)
    {
        (void)low, (void)high;
        return 0;
    }
    [[nodiscard]] virtual int pickAreaContainsBox(const Point& low, const Point& high)
    {
        (void)low, (void)high;
        return 0;
    }
};
