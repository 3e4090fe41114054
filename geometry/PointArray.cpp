// PointArray: storage operations.
#include "geometry/PointArray.h"

namespace {
// The block's readers are logically const; locking only counts.
GlobalBlock& unconst(const GlobalBlock& block) { return const_cast<GlobalBlock&>(block); }
} // namespace

// A failure is shown to the user; an array without its block tries again when it grows.
PointArray::PointArray() : GlobalBlock(50, sizeof(Point)) { (void)allocate(1); }

int PointArray::resize(int n)
{
    const Point zero;
    return resizeFilled(n, &zero);
}

int PointArray::setSinglePoint(const Point* p)
{
    Point copy;
    if (!copy.assign(p))
        return 0;
    if (!reserve(1, 1))
        return 0;
    count = 0;
    return appendFast(copy);
}

int PointArray::setSingleRecord(const Point* p)
{
    if (!p)
        return 0;
    Point copy = *p;
    if (!reserve(1, 1))
        return 0;
    count = 0;
    return appendFast(copy);
}

int PointArray::appendPoint(const Point* p)
{
    Point copy;
    if (!copy.assign(p))
        return 0;
    return appendFast(copy);
}

int PointArray::appendRecord(const Point* p)
{
    if (!p)
        return 0;
    return appendFast(*p);
}

int PointArray::appendWithFlag(uint32_t flag, double x, double y, double z)
{
    Point p(x, y, z);
    p.flag = flag;
    return appendFast(p);
}

int PointArray::appendAll(const PointArray* other)
{
    return other ? GlobalBlock::appendAll(*other) : 0;
}

int PointArray::appendPointOf(const PointArray* other, int i)
{
    Point p;
    if (!other || !other->getRecord(i, &p))
        return 0;
    return appendFast(p);
}

int PointArray::insertPointAfter(int i, const Point* p)
{
    if (!p || i < -1 || i + 1 > count)
        return 0;
    if (!insertPoints(i + 1, 1))
        return 0;
    return setPoint(i + 1, p);
}

int PointArray::duplicateLast()
{
    Point p;
    if (!getRecord(count - 1, &p))
        return 0;
    return appendFast(p);
}

int PointArray::closeWithFirst()
{
    Point p;
    if (!getRecord(0, &p))
        return 0;
    return appendFast(p);
}

int PointArray::removeLast()
{
    if (count <= 0)
        return 0;
    --count;
    return 1;
}

int PointArray::setXAt(int i, double x)
{
    if (i < 0 || i >= count)
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    data.data<Point>()[i].x = x;
    return 1;
}

int PointArray::setYAt(int i, double y)
{
    if (i < 0 || i >= count)
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    data.data<Point>()[i].y = y;
    return 1;
}

int PointArray::setPoint(int i, const Point* p)
{
    Point copy;
    if (!copy.assign(p))
        return 0;
    return put(i, &copy);
}

int PointArray::setRecord(int i, const Point* p)
{
    if (!p)
        return 0;
    return put(i, p);
}

int PointArray::setAtWithFlag(int i, uint32_t flag, double x, double y, double z)
{
    Point p(x, y, z);
    p.flag = flag;
    return put(i, &p);
}

double PointArray::getX(int i, double dflt) const
{
    Point p;
    return getRecord(i, &p) ? p.x : dflt;
}

double PointArray::getY(int i, double dflt) const
{
    Point p;
    return getRecord(i, &p) ? p.y : dflt;
}

int PointArray::getPoint(int i, Point* out) const
{
    Point p;
    if (!out || !getRecord(i, &p))
        return 0;
    return out->assign(&p);
}

int PointArray::getRecord(int i, Point* out) const
{
    if (!out)
        return 0;
    return unconst(*this).get(i, out);
}
