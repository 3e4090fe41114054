#include "document/HandleFlags.h"

void HandleFlags::clearAll()
{
    for (int& f : flags)
        f = 0;
}

void HandleFlags::setAll()
{
    for (int& f : flags)
        f = 1;
}

void HandleFlags::set(int f0, int f1, int f2, int f3, int f4, int f5, int f6, int f7)
{
    flags[0] = f0;
    flags[1] = f1;
    flags[2] = f2;
    flags[3] = f3;
    flags[4] = f4;
    flags[5] = f5;
    flags[6] = f6;
    flags[7] = f7;
}
