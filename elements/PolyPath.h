#pragma once
#include "geometry/MouseLoopResult.h"
#include "platform/IntPoint.h"

class DoubleArray;
class Element;
class InputPointListBase;
class Point;
class PointList;
class ViewParams;

// The vertex input of the polygon and Bezier path elements: the user enters the element's points
// with the mouse, a rubber-band segment follows the pointer, and with Shift held the new segment
// runs horizontally or vertically. For a curve element the entered vertices are kept in a working
// list and turned into a closed Bezier control polygon (control points at 1/3 and 2/3 of each
// edge) in the element's own list.
//
// The owner is the element being entered: it converts device points (with grid snapping), draws
// the overlay, holds the input flags and the click timer and decides when a vertex closes the
// figure (Element's mouse-input operations). The pointer, the buttons and Shift are read through
// the program's mouse source, the time through its clock.
//
// The input operations answer event codes: 11 a left press (a new vertex is wanted), 12 a release
// after dragging, 15 a second press within the double-click time with nothing drawn (input
// finished), 21 the right button (take back the last vertex), -1 cancelled or failed; runInput
// answers 1 when the owner's closing test finished the figure. Every mouse loop ends when the
// application quits, when tracking is cancelled and when a menu command is waiting.
class PolyPath {
public:
    enum Code : int {
        kCancelled = loopCode(MouseLoopResult::Ended),
        kComplete = 1,
        kVertexWanted = loopCode(MouseLoopResult::LeftClick),
        kDragged = loopCode(MouseLoopResult::Released),
        kFinished = loopCode(MouseLoopResult::DoubleClick),
        kTakeBack = loopCode(MouseLoopResult::RightClick),
    };
    // The overlay figure of the element being entered that the rubber band redraws.
    static constexpr int kRubberBandFigure = 21;

    // One read of the mouse: the pointer in view device pixels and whether it lies in the view,
    // the two buttons and Shift.
    struct MouseReading {
        IntPoint device;
        int inView = 0;
        int left = 0;
        int right = 0;
        int shift = 0;
    };
    // What a press that the input followed until its release comes to.
    enum class PressOutcome { Cancelled, Dragged, TrackMouse };
    // What one step of following the mouse does.
    enum class TrackStep { Cancel, LeftPress, RightPress, Redraw, Wait };

    // One nested step of the message pump between two reads of the mouse; 1 when the loop must
    // end (a menu command is waiting, or tracking was cancelled). Tests may put a cheaper one in.
    using PumpStep = int (*)();
    static PumpStep pumpStep;
    [[nodiscard]] static int pumpNested();

    PolyPath() = default;
    // The polygon kinds also bind their vertex rounding list (the owner's), which the input
    // leaves alone.
    PolyPath(Element* element, PointList* points, int curveFlag);
    ~PolyPath() { releaseWorkingList(); }
    PolyPath(const PolyPath&) = delete;
    PolyPath& operator=(const PolyPath&) = delete;

    [[nodiscard]] ViewParams* ownerViewParams() const;
    // Has the view redo its cursor feedback (a queued mouse move).
    void postMouseMove();
    [[nodiscard]] InputPointListBase* inputPointList() const;

    void selectCurrentList();
    [[nodiscard]] int recreateWorkingList();
    void releaseWorkingList();
    [[nodiscard]] int prepareWorkingList();
    // The closed control polygon of the working list in the output list: for n >= 3 vertices,
    // each vertex followed by the points at 1/3 and 2/3 of its edge to the next, then the first
    // vertex again (3n + 1 points); 2 vertices are copied. n itself (nothing changed) below 2;
    // 0 without the curve flag or lists, or when the output cannot grow.
    [[nodiscard]] int buildCurveOutline();

    // Starts entering points at the press point the creating tool recorded, then runInput. 0
    // (nothing changed) without owner, output list, input point list or press point.
    [[nodiscard]] int beginInput(int mode);
    // The input loop: one press-drag-release cycle after the other until a code ends it.
    [[nodiscard]] int runInput(int mode);
    [[nodiscard]] int inputStep();
    [[nodiscard]] int trackMove();
    // The last point of the current list := the device point in drawing coordinates (snapped),
    // then the Shift constraint.
    void setLastFromDevice(const IntPoint& devicePoint);
    // With Shift held, the segment to the last point runs vertically when it rises at least as
    // much as it runs across, else horizontally.
    void constrainLast();

    // The decisions of the loops, apart from them.
    [[nodiscard]] static int constrainToAxis(Point& last, const Point& previous);
    [[nodiscard]] static PressOutcome pressOutcome(int releasedInView, int within150ms, int within300ms,
                                                   int overlayShown, int closingTestAccepts);
    [[nodiscard]] static TrackStep trackStep(const MouseReading& now, const MouseReading& before);
    [[nodiscard]] static int trackResult(int code, int overlayShown, int withinDoubleClick);

    Element* owner = nullptr;          // the element being entered; not owned, may be null
    PointList* output = nullptr;       // the element's own point list; not owned
    DoubleArray* rounding = nullptr;   // the polygon's vertex rounding list; not owned
    int reserved = 0;
    IntPoint device;                   // the last device point taken
    PointList* current = nullptr;      // the list input appends to: working or output
    PointList* working = nullptr;      // owned: the entered vertices of a curve element
    int curve = 0;                     // nonzero for curve elements

private:
    [[nodiscard]] static int quitting();
    void readMouse(MouseReading& reading) const;
    // Pumps one step, then reads; 0 when the loop must end.
    [[nodiscard]] int nextMouse(MouseReading& reading) const;
    // The moving end follows the pointer: overlay opened, last point set, outline rebuilt and
    // the rubber band drawn.
    void followPointer(const IntPoint& devicePoint);
};
