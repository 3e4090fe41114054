#include "platform/IntPolyPolygon.h"

int IntPolyPolygon::addPoint(const IntPoint& p)
{
    if (!vertices.addPoint(p))
        return 0;
    ++pointsInCurrent;
    return 1;
}

void IntPolyPolygon::dropCurrent()
{
    for (; pointsInCurrent > 0; --pointsInCurrent)
        vertices.removeLast();
}

int IntPolyPolygon::endPolygon()
{
    if (pointsInCurrent < 3) {
        dropCurrent();
        return 0;
    }
    INT n = pointsInCurrent;
    if (!counts.append(&n)) {
        dropCurrent();
        return 0;
    }
    pointsInCurrent = 0;
    return 1;
}

int IntPolyPolygon::addAll(GlobalBlock& points)
{
    dropCurrent();
    int n = points.count;
    if (n > 0) {
        if (!vertices.reserveMore(n))
            return 0;
        BlockLock source(points);
        if (!source)
            return 0;
        for (int i = 0; i < n; ++i) {
            if (!addPoint(source.data<IntPoint>()[i])) {
                dropCurrent();
                return 0;
            }
        }
    }
    return endPolygon();
}

void IntPolyPolygon::clear()
{
    vertices.count = 0;
    counts.count = 0;
    pointsInCurrent = 0;
}

int IntPolyPolygon::setPolygon(IntPolygon& polygon)
{
    clear();
    return addPolygon(polygon);
}

int IntPolyPolygon::setPolygon(IntPointList& list)
{
    clear();
    return addPolygon(list);
}
