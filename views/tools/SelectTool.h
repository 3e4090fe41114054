#pragma once
// Interface header: the select tool as the folders below reach it: every operation virtual
// (bodies in SelectTool.cpp and the files beside it, reached through the vtable), no internals of
// this folder.
#include <unordered_set>

#include "document/PageOrder.h"
#include "platform/GlobalBlock.h"
#include "platform/IntPoint.h"

class DocumentContext;
class DoubleRect;
class DrawingOwner;
class ElementEditor;
class IntPolygon;
class Point;
class PointArray;
class PointList;
class Selection;
class ThreePointArc;
class ViewParams;

// The default tool of a document window. It picks elements under the mouse (the topmost first,
// whole groups), keeps the selection (one element in mode 1, the drawing's Selection list in mode
// 2), shows its marks and handles, drags handles and the selection, moves it by the arrow keys or
// typed numbers through the move tool, and opens the property sheets of the selection. Each
// drawing owns one; every operation answers 0 (or -1 for an id) when the drawing lacks a piece it
// needs (editor, view, selection list, move tool).
//
// Coordinates: the pick point and box are drawing units; arrow steps are view pixels.
class SelectTool {
public:
    SelectTool() = default;
    virtual ~SelectTool();
    SelectTool(const SelectTool&) = delete;
    SelectTool& operator=(const SelectTool&) = delete;

    virtual void setOwner(DocumentContext* owner);
    // Runs the tool for the current mouse event: tracks the mouse until a button or a key, then
    // handles it. The tracking outcome (11 left, 21 right, 31 key, -1 aborted).
    virtual int onMouse();
    // The keys while the tool is current (the key code of the current event): the arrow keys
    // move the selection one step each, and the key's release records the gathered steps. A key
    // acts once, at its key-down; of the character made from it only '+' and '-' count.
    virtual int onKeyDown();
    virtual int onKeyUp();
    virtual int selectAll();
    // The click loop while no tool is pressed: waits for a click; a left one acts as a click of
    // this tool would (it selects under the cursor), a right one asks for the menu.
    virtual int selectByClick();
    // Selection mode: 0 none, 1 one element, 2 several.
    [[nodiscard]] virtual int selectionMode();
    [[nodiscard]] virtual int canEditProperties();
    virtual int openProperties();
    // Steps the property dialog to the previous (-1) or next (1) selected element.
    virtual int stepSelection(int direction);
    // 1 while a drag move of the selection runs.
    [[nodiscard]] virtual int isEditing();
    // The edit state of the single selected element (0 unless exactly one is selected).
    [[nodiscard]] virtual int singleElementEditState();
    virtual void hideMarks();
    virtual void redrawMarks();

    // The selection as undo and redo read and restore it. In single mode the one id is held by
    // the tool, in list mode the ids come from the document's selection.
    virtual void setSelectionMode(int mode);
    // resetState, and the list emptied.
    virtual void clearSelection();
    // Single mode: this id becomes the one selected element (mode 0 for an id below 1).
    virtual void selectSingle(int id);
    // List mode: appends the id.
    virtual void addToSelection(int id);
    // A walk over the selected ids (part files are written from them); an id below 1 ends it.
    [[nodiscard]] virtual int firstSelectedId();
    [[nodiscard]] virtual int nextSelectedId();
    [[nodiscard]] virtual int selectedCount();
    // Back to the state of no gesture under way (a page switch); nothing while locked.
    virtual void resetState();
    // Where the left button went down, in drawing coordinates.
    virtual void getPressPoint(double& x, double& y);

    // Rectangle selection: the rectangle in drawing coordinates (normalised), then one call per
    // candidate of the rectangle's page: the element with that id is taken and answers whether
    // it lies wholly inside (whole 1) or touches (whole 0) the rectangle.
    virtual void setSelectionRect(double minX, double minY, double maxX, double maxY);
    [[nodiscard]] virtual int testCandidate(int id, int whole);
    // Lets the user click an element of the current page; its id, or a negative value when the
    // click hit none.
    [[nodiscard]] virtual int pickElement();

    // What the elements ask of the tool's cursor and marks (a tool without view: nothing, 0).
    // 1 when a drawing point lies in the 6 x 6-pixel square around the pick point.
    [[nodiscard]] virtual int isUnderCursor(const Point& point);
    // The select tool's marks on the surface of an operation, in the pick colour: one side of an
    // extent box, a handle mark (hollow when not active), the framed mark of a point.
    virtual void drawExtentSide(int operation, const Point& from, const Point& to);
    virtual void drawHandleMark(int operation, const Point& at, int active);
    virtual void drawPointMark(int operation, const Point& at);
    // The sides and handles of an element shown on the box of its extent (drawing units), the
    // handles active when filled, as the element draws them.
    void drawExtentHandles(const DoubleRect& extent, int filled);
    // The pick box placed around the mouse's current point, and the element of the current page
    // found in it: its id, or a negative value when none was hit.
    virtual void setPickBoxAtMouse();
    [[nodiscard]] virtual int findInPickBox();
    // The pick area (the selection rectangle) holds the whole box.
    [[nodiscard]] virtual int pickAreaContainsBox(const Point& low, const Point& high);

    // --- stroke hit tests against the last pick (bodies in SelectToolHitTests.cpp) ---
    // What the tests read of the tool: the pick box in drawing coordinates (x1 <= x2, y1 <= y2),
    // the pick tolerance (drawing units) and the drawing and view that size pen widths and give
    // device positions (either may be null: paper scale 1:1, no device positions). The tool
    // gives its pick box; without a drawing it answers 0, and then nothing hits.
    struct StrokePick {
        double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
        double tolerance = 0.0;
        DrawingOwner* drawing = nullptr; // not owned
        ViewParams* view = nullptr;      // not owned
    };
    [[nodiscard]] virtual int strokePick(StrokePick& out);
    // Widths are paper millimetres (0.01 when none is given); the mode is the line position: 1
    // the stroke is centred on the geometry, 2 and 3 it lies on one side, offset by half the
    // width (at drawing size) where the line shape draws it: TOP (2) on the right of travel on
    // the screen (y down: (0,0)->(1,0) has its band towards +y), BOTTOM (3) on the left; any
    // other mode counts as 1. Each answers 1 when the stroke meets the pick box grown by half the
    // width.
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
    // centre) and within the arc's angles, widened by the angle the pick tolerance spans.
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

    // --- the tool's own steps (the document window runs them through onMouse and the keys) ---
    // The pick box: the mouse point of the last pick and that point +- the pick tolerance (the
    // world length of 2 pixels), normalised. With save, the copy that Esc steps under.
    void setPickBox(double x, double y, int save);
    // The pick box at the mouse; 0 without a view.
    int pickAtMouse(int save);
    // The elements of the current page whose extent meets the pick box, from the top of the
    // drawing order down (the last drawn first); their count. The pick box is set at the mouse.
    int collectCandidates();
    // The candidates of the pick box as they are, without setting it (Esc, tests).
    int collectCandidatesInBox();
    // The left button, the right button and a key as the tracking loop hands them on.
    virtual int onLeftButton();
    virtual int onRightButton();
    virtual int onKey(int key);
    // The arrow steps gathered since the last record become one move record; nothing when they
    // sum to 0. Called on key release, on every tool switch and when the view loses the focus.
    virtual void applyArrowMove();
    // The mode keys '+' and '-' as the tracking loop sets them (1 on, 0 off).
    void setAddMode(int on);
    void setRemoveMode(int on);
    // 1 when the mouse (the pick box) lies over a selected element, by the pick style.
    [[nodiscard]] int isMouseOverSelection();
    // Every other element of the current page whose group is that of a selected one joins, in
    // page order; a single selection that grows becomes a list.
    void joinGroups();
    // The union of the selected elements' extents; 0 when nothing is selected.
    [[nodiscard]] int getSelectionBounds(Point& lower, Point& upper);
    [[nodiscard]] int hasSelection();
    [[nodiscard]] int hasElementsOnPage();
    // The property sheets of the list, stepping with the sheets' previous and next results.
    int editSelectionProperties();
    // Forget the pick (a page switch, a new drawing).
    void resetPickState();

    // The pick state (drawing units).
    struct Box {
        double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    };
    double pickX = 0.0, pickY = 0.0;
    Box pickBox;
    Box savedPickBox;
    int candidateIndex = 0;
    int mode = 0;
    int singleId = 0;
    int listIndex = 0;
    int marksEnabled = 1;
    int moving = 0;
    int arrowDx = 0, arrowDy = 0;
    int activeHandleA = 0, activeHandleB = 0, activeHandleId = 0;
    int hoveredHandle = -1;
    int addMode = 0, removeMode = 0;
    int digitTyped = 0;
    int listHitIndex = 0;
    int locked = 0;
    int busy = 0;

protected:
    // The tools' editor (the context's third), the selection list; null when missing.
    [[nodiscard]] ElementEditor* toolEditor() const;
    [[nodiscard]] Selection* list() const;
    // 1 when the element passes the hit test (by the pick style when byStyle, else its full
    // test), its layer and kind being selectable.
    [[nodiscard]] int passesHit(int id, int byStyle);
    // From candidateIndex on: the first candidate that passes (and, with unselectedOnly, is not
    // selected); its id, candidateIndex past it; -1 when none.
    int nextPassingCandidate(int byStyle, int unselectedOnly);
    // The first candidate that is selected and passes by the pick style; -1 when none.
    int nextPassingCandidateSelected();
    // The selected ids, for tests of many candidates at once.
    [[nodiscard]] std::unordered_set<int> selectedSet();
    // Removes the element and its group from the list; an emptied list returns to mode 0.
    void removeWithGroup(int id);
    // The group number of an element, 0 when it has none or the store does not hold it.
    [[nodiscard]] int groupOf(int id);
    void repostMouseMove();
    void postSelectionProperties();
    // 1 when a second press follows within the double-click time near the first.
    [[nodiscard]] int secondClickFollows();
    void updateHoverCursor();
    // Device pixels of the pick point; 0 without a view.
    [[nodiscard]] int pickDevicePoint(IntPoint& out);

    // The pick colour's pen and brush and a white brush, made once for all the marks of a redraw
    // of the marks while it runs; null otherwise (each mark then makes its own).
    struct MarkTools;
    MarkTools* markTools = nullptr;

    DocumentContext* context = nullptr; // not owned
    GlobalBlock candidates{100, 4};     // int32 ids, from the top of the drawing order down
    PageOrder drawingOrder;             // of the page of the last candidates
    double pressX = 0.0, pressY = 0.0;
};

