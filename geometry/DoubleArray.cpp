#include "geometry/DoubleArray.h"

namespace {
GlobalBlock& unconst(const GlobalBlock& block) { return const_cast<GlobalBlock&>(block); }
} // namespace

// A failure is shown to the user; an array without its block tries again when it grows.
DoubleArray::DoubleArray() : GlobalBlock(50, sizeof(double)) { (void)allocate(1); }

int DoubleArray::resize(int n)
{
    const double zero = 0.0;
    return resizeFilled(n, &zero);
}

int DoubleArray::insertAfter(int i, double v)
{
    if (i < -1 || i + 1 > count)
        return 0;
    if (!insertGap(i + 1, 1))
        return 0;
    return set(i + 1, v);
}

int DoubleArray::appendAll(const DoubleArray* other)
{
    return other ? GlobalBlock::appendAll(*other) : 0;
}

int DoubleArray::getRaw(int i, double* out) const
{
    if (!out)
        return 0;
    return unconst(*this).get(i, out);
}

double DoubleArray::get(int i) const
{
    double v = 0.0;
    return getRaw(i, &v) ? v : 0.0;
}

int DoubleArray::set(int i, double v) { return put(i, &v); }

int DoubleArray::isAllZero() const
{
    if (count <= 0)
        return 1;
    BlockLock data(unconst(*this));
    if (!data)
        return 0;
    const double* values = data.data<double>();
    for (int i = 0; i < count; ++i)
        if (values[i] != 0.0)
            return 0;
    return 1;
}
