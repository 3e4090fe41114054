#pragma once
#include <functional>

#include "geometry/DrawPoint.h"

class Dialog;
class DocumentContext;
class PropertyDialog;
class PointList;
class VertexRoundingList;

// The controls of a vertex-stepping coordinate page; an id of 0 is a control the page lacks.
struct VertexPageIds {
    int x = 0, y = 0;            // the vertex's coordinates (real-number fields)
    int xUnit = 0, yUnit = 0;    // their unit labels
    int number = 0, count = 0;   // "n" "/" "count" labels
    int previous = 0, next = 0;  // "<- 前の点" and "後の点 ->"
    int radius = 0;              // the corner radius of the vertex (real-number field)
    int radiusUnit = 0;
};

// The coordinate page that shows one vertex of a point list at a time (breakline, polygon,
// spline; the Bezier curve, the dimensions and the picture mask step the same way): the vertex's
// X and Y in the grid's units, its number (counted from 1) and the count, the two step buttons,
// and for the breakline and the polygon the vertex's corner radius in the grid's x unit.
//
// The page works on a copy of the vertex (the working point, which lends the grid conversions):
// loading copies vertex `current` of the list into it, storing puts it back. The index is kept
// within the list whatever it holds; a radius is shown and taken only for a vertex the rounding
// list reaches. A list without points shows nothing to edit and stores nothing.
class VertexStepper {
public:
    // radiusOnEnds 0: the radius field is disabled on the first and the last vertex (an open
    // line has no corner there). fromGridOrigin 0: the vertex is shown as stored, only in the
    // grid's units, without the grid origin and the paper's y axis (the angle dimension's).
    VertexStepper(const VertexPageIds& pageIds, int radiusOnEnds, int fromGridOrigin = 1);

    // The element's list and rounding (not owned; either may be null) and the drawing whose grid
    // the page shows.
    void bind(PointList* vertexList, VertexRoundingList* rounding, DocumentContext* drawing);
    void declare(Dialog& dialog) const;
    void load(Dialog& dialog);
    // The vertex's fields back into it; coordinates within `limit` drawing units of the origin.
    void store(Dialog& dialog, double limit);

    // -1 for a click on the previous button, 1 on the next, 0 for any other control.
    [[nodiscard]] int directionOf(int controlId) const;
    // 1 when a step that way stays within the list; the step itself only moves the index.
    [[nodiscard]] int canStep(int direction) const;
    void step(int direction);
    // 1 while the page shows a vertex (the list has one).
    [[nodiscard]] int hasVertex() const;
    // load, then the vertex marked in the drawing's view.
    void loadAndMark(PropertyDialog& dialog);
    // A click on control controlId of the page: for a step button the vertex shown is stored (the
    // dialog's applyPage without its mark), the index moved and the new vertex shown and marked
    // (by `reload` where the page shows more than the vertex); 1 then (a step past either end, or
    // from a vertex with a field the page cannot take, does nothing), 0 for another control.
    [[nodiscard]] int stepOnClick(PropertyDialog& dialog, int controlId, const std::function<void()>& reload = nullptr);

    VertexPageIds ids;
    int current = 0;
    DrawPoint working;

private:
    [[nodiscard]] int pointCount() const;
    void clampIndex();

    int radiusOnEnds;
    int fromGridOrigin;
    PointList* points = nullptr;
    VertexRoundingList* radii = nullptr;
};
