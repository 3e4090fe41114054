#include "geometry/DoubleArray.h"

#include <climits>
#include <cstring>

namespace {
GlobalBlock& unconst(const GlobalBlock& block) { return const_cast<GlobalBlock&>(block); }
} // namespace

DoubleArray::DoubleArray() : GlobalBlock(50, sizeof(double)) { allocate(1); }

int DoubleArray::resize(int n)
{
    if (n < 0)
        return 0;
    if (n <= count) {
        count = n;
        return 1;
    }
    if (!reserve(n, 1))
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    double* values = data.data<double>();
    for (int i = count; i < n; ++i)
        values[i] = 0.0;
    count = n;
    return 1;
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

int DoubleArray::removeRange(int i, int n)
{
    if (i < 0 || n < 1 || i >= count || n > count - i)
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    double* values = data.data<double>();
    std::memmove(values + i, values + i + n, static_cast<size_t>(count - i - n) * sizeof(double));
    count -= n;
    return 1;
}

int DoubleArray::insertGap(int i, int n)
{
    if (n < 1 || i < 0 || i > count)
        return 0;
    if (static_cast<long long>(count) + n >= INT_MAX)
        return 0;
    int oldCount = count;
    if (!reserve(count + n, 1))
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    double* values = data.data<double>();
    std::memmove(values + i + n, values + i, static_cast<size_t>(oldCount - i) * sizeof(double));
    count = oldCount + n;
    return 1;
}

int DoubleArray::copyFrom(const DoubleArray* other)
{
    if (!other)
        return 0;
    if (other == this)
        return 1;
    if (!reserve(other->count, 1))
        return 0;
    count = 0;
    return appendAll(other);
}

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
