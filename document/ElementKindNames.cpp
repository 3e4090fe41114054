#include "document/ElementKindNames.h"

ElementKindNameLookup elementKindNameLookup = nullptr;

int elementKindName(int kind, char* name, int size)
{
    if (!name || size < 1)
        return 0;
    name[0] = 0;
    if (!elementKindNameLookup)
        return 0;
    if (elementKindNameLookup(kind, name, size)) {
        name[size - 1] = 0;
        return 1;
    }
    name[0] = 0;
    return 0;
}
