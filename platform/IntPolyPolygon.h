#pragma once
#include "platform/GlobalBlock.h"
#include "platform/IntPointList.h"
#include "platform/IntPolygon.h"

// Several device polygons for one GDI region: all vertices in one list, the vertex count of each
// finished polygon in another, and the polygon being built at the end of the vertex list.
class IntPolyPolygon {
public:
    IntPolyPolygon() : counts(10, sizeof(INT)) {}

    [[nodiscard]] int addPoint(const IntPoint& p);
    // Finishes the polygon being built. One of fewer than 3 vertices is not recorded and its
    // vertices are dropped, so the counts always match the vertices (0 is returned then).
    [[nodiscard]] int endPolygon();
    // Starts a polygon (dropping an unfinished one), adds all points of the list and ends it.
    [[nodiscard]] int addPolygon(IntPolygon& polygon) { return addAll(polygon); }
    [[nodiscard]] int addPolygon(IntPointList& list) { return addAll(list); }
    // Empties the set, then addPolygon.
    [[nodiscard]] int setPolygon(IntPolygon& polygon);
    [[nodiscard]] int setPolygon(IntPointList& list);
    void clear();
    [[nodiscard]] int polygonCount() const { return counts.count; }
    [[nodiscard]] int pointsInCurrentPolygon() const { return pointsInCurrent; }

    // For CreatePolyPolygonRgn: every vertex of the finished polygons, then their counts.
    IntPointList vertices;
    GlobalBlock counts;

private:
    void dropCurrent();
    [[nodiscard]] int addAll(GlobalBlock& points);

    int pointsInCurrent = 0;
};
