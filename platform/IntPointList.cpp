#include "platform/IntPointList.h"

int IntPointList::getAt(int i, int& x, int& y)
{
    IntPoint p;
    if (!get(i, &p))
        return 0;
    x = p.x;
    y = p.y;
    return 1;
}

IntPoint IntPointList::getPoint(int i)
{
    IntPoint p;
    if (!get(i, &p))
        return IntPoint();
    return p;
}
