#include "document/ElementKindColumns.h"

#include "document/ElementKind.h"
#include "document/ElementKindNames.h"

namespace {

const int kFirstKind = kindCode(ElementKind::Line);
const int kLastKind = kindCode(ElementKind::Picture);

// The columns of the look-up they were worked out for.
struct Columns {
    ElementKindNameLookup lookup = nullptr;
    int count = 0;
    int kinds[ElementKindColumns::kMaxColumns] = {};
    int columnOfKind[kLastKind + 1] = {};
};

const Columns& columns()
{
    static Columns cached;
    if (cached.lookup != elementKindNameLookup) {
        cached = Columns();
        cached.lookup = elementKindNameLookup;
        for (int kind = kFirstKind; kind <= kLastKind; ++kind) {
            char name[8];
            const int listed = cached.lookup && cached.count < ElementKindColumns::kMaxColumns &&
                               elementKindName(kind, name, sizeof name);
            cached.columnOfKind[kind] = listed ? cached.count : -1;
            if (listed)
                cached.kinds[cached.count++] = kind;
        }
    }
    return cached;
}

} // namespace

int ElementKindColumns::hasRegistry() { return elementKindNameLookup != nullptr; }

int ElementKindColumns::columnOf(int kind)
{
    if (!hasRegistry() || kind < kFirstKind || kind > kLastKind)
        return -1;
    return columns().columnOfKind[kind];
}

int ElementKindColumns::count() { return columns().count; }

int ElementKindColumns::kindAt(int column)
{
    const Columns& c = columns();
    return column >= 0 && column < c.count ? c.kinds[column] : 0;
}
