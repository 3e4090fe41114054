#include "geometry/BSplineCurve.h"

#include <cmath>
#include <cstring>
#include <new>

#include "geometry/PointArray.h"

namespace {
bool nearlyZero(double v) { return v > -1e-5 && v < 1e-5; }

// The quotient, or 0 when the divisor is within 1e-5 of 0 (coinciding knots).
double ratioOrZero(double numerator, double divisor) { return nearlyZero(divisor) ? 0.0 : numerator / divisor; }

bool allPointsFinite(const PointArray& points)
{
    BlockLock lock(const_cast<PointArray&>(points));
    const Point* p = lock.data<Point>();
    if (!p)
        return false;
    for (int i = 0; i < points.count; ++i)
        if (!std::isfinite(p[i].x) || !std::isfinite(p[i].y))
            return false;
    return true;
}
} // namespace

int BSplineCurve::evaluate(const PointArray* points, PointArray* output)
{
    if (!points || !output)
        return 0;
    const int n = points->count;
    if (n < kOrder)
        return points == output ? 1 : output->copyFrom(points); // too short to solve: as they are
    if (samplesPerSpan_ < 1 || samplesPerSpan_ > kMaxSamplesPerSpan || !allPointsFinite(*points))
        return 0;
    if (!prepare(n))
        return 0;

    // Solved before the output is touched, so that a failure leaves it as it was.
    points_ = points;
    buildKnots();
    buildBasisMatrix();
    solveCoefficients();
    points_ = nullptr;
    for (int i = 1; i <= n_; ++i)
        if (!std::isfinite(xCoefficients_[i]) || !std::isfinite(yCoefficients_[i]))
            return 0;

    if (!output->resize(outputCount_))
        return 0;
    output_ = output;
    int result = sample();
    output_ = nullptr;
    return result;
}

int BSplineCurve::prepare(int n)
{
    int wanted = kCapacityStep;
    while (wanted < n && wanted <= kMaxPoints)
        wanted += kCapacityStep;
    if (wanted > kMaxPoints)
        return 0;
    capacity_ = wanted;
    n_ = n;
    outputCount_ = (n - 1) * samplesPerSpan_ + 1;
    if (capacity_ > allocatedCapacity_)
        freeBuffers();
    return allocateBuffers();
}

int BSplineCurve::allocateBuffers()
{
    if (matrix_)
        return 1; // all arrays exist, for allocatedCapacity_ >= capacity_
    const int size = capacity_;
    rowOrder_ = new (std::nothrow) int[size + 1];
    xCoefficients_ = new (std::nothrow) double[size + 1];
    yCoefficients_ = new (std::nothrow) double[size + 1];
    work_ = new (std::nothrow) double[size + 1];
    knots_ = new (std::nothrow) double[kDegree + size + 2];
    basis_ = new (std::nothrow) double[(kDegree + 2) * (size + 2)];
    matrix_ = new (std::nothrow) double[(size + 1) * (size + 1)];
    if (!rowOrder_ || !xCoefficients_ || !yCoefficients_ || !work_ || !knots_ || !basis_ || !matrix_) {
        freeBuffers();
        return 0;
    }
    allocatedCapacity_ = size;
    ++allocations_;
    clearBuffers();
    return 1;
}

void BSplineCurve::freeBuffers()
{
    delete[] rowOrder_;
    delete[] xCoefficients_;
    delete[] yCoefficients_;
    delete[] work_;
    delete[] knots_;
    delete[] basis_;
    delete[] matrix_;
    rowOrder_ = nullptr;
    xCoefficients_ = yCoefficients_ = work_ = knots_ = basis_ = matrix_ = nullptr;
    allocatedCapacity_ = 0;
}

void BSplineCurve::clearBuffers()
{
    if (!matrix_)
        return;
    const int size = allocatedCapacity_;
    for (int i = 0; i <= size; ++i)
        rowOrder_[i] = i;
    std::memset(xCoefficients_, 0, sizeof(double) * (size + 1));
    std::memset(yCoefficients_, 0, sizeof(double) * (size + 1));
    std::memset(work_, 0, sizeof(double) * (size + 1));
    std::memset(knots_, 0, sizeof(double) * (kDegree + size + 2));
    std::memset(basis_, 0, sizeof(double) * (kDegree + 2) * (size + 2));
    std::memset(matrix_, 0, sizeof(double) * (size + 1) * (size + 1));
}

double BSplineCurve::knot(int i) const
{
    if (!knots_ || i < 1 || i > n_ + kOrder)
        return 0.0;
    return knots_[i];
}

double BSplineCurve::pointCoordinate(int i) const
{
    if (!points_)
        return 0.0;
    return selector_ == 0 ? points_->getX(i - 1) : points_->getY(i - 1);
}

void BSplineCurve::buildKnots()
{
    for (int i = 1; i <= kOrder; ++i)
        knots_[i] = 0.0;
    // Inner knots halfway between the parameters: 1.5, 2.5, ... n - 1.5 (a real k / 2).
    for (int i = 1; i <= n_ - kOrder; ++i)
        knots_[kOrder + i] = (i - 1) + kOrder / 2.0;
    for (int i = n_ + 1; i <= n_ + kOrder; ++i)
        knots_[i] = n_ - 1;
}

void BSplineCurve::basisAt()
{
    const double t = t_;
    for (int i = 1; i <= n_ + 1; ++i)
        for (int m = 1; m <= kOrder; ++m)
            setBasis(i, m, 0.0);

    // The knots do not decrease, so at most one half-open span holds t: found by bisection over
    // the spans of the linear search, with the same answer.
    int found = 0;
    int lo = 1, hi = n_;
    while (lo <= hi) {
        int i = (lo + hi) / 2;
        if (t < knots_[i]) {
            hi = i - 1;
        } else if (t >= knots_[i + 1]) {
            lo = i + 1;
        } else {
            // knots[i] <= t < knots[i + 1]; an empty span cannot hold t.
            found = i;
            break;
        }
    }
    if (found) {
        setBasis(found, 1, 1.0);
        span_ = found;
    }
    // The end of the range, where no half-open span holds t.
    if (knots_[n_] <= t && t <= knots_[n_ + 1] + kTolerance) {
        setBasis(n_, 1, 1.0);
        span_ = n_;
        found = n_;
    }
    if (!found)
        return; // t outside the knots: every basis value stays 0

    for (int m = 2; m <= kOrder; ++m) {
        for (int i = span_ - m + 1; i <= span_; ++i) {
            double rising = ratioOrZero((t - knots_[i]) * basis(i, m - 1), knots_[i + m - 1] - knots_[i]);
            double falling = ratioOrZero((knots_[i + m] - t) * basis(i + 1, m - 1), knots_[i + m] - knots_[i + 1]);
            setBasis(i, m, rising + falling);
        }
    }
}

void BSplineCurve::buildBasisMatrix()
{
    for (int i = 1; i <= n_; ++i) {
        t_ = i - 1;
        basisAt();
        for (int j = 1; j <= n_; ++j)
            setMatrix(i, j, basis(j, kOrder));
    }
}

void BSplineCurve::solveCoefficients()
{
    luDecompose();
    selector_ = 0;
    luSolve();
    std::memcpy(xCoefficients_ + 1, work_ + 1, sizeof(double) * n_);
    selector_ = 1;
    luSolve();
    std::memcpy(yCoefficients_ + 1, work_ + 1, sizeof(double) * n_);
    selector_ = 0;
}

void BSplineCurve::luDecompose()
{
    for (int i = 1; i <= n_; ++i)
        rowOrder_[i] = i;
    for (int c = 1; c < n_; ++c) {
        const double pivot = matrix(c, c);
        for (int r = c + 1; r <= n_; ++r) {
            double factor = nearlyZero(pivot) ? 0.0 : matrix(r, c) / pivot;
            setMatrix(r, c, factor);
            if (nearlyZero(factor))
                continue;
            for (int j = c + 1; j <= n_; ++j)
                setMatrix(r, j, matrix(r, j) - factor * matrix(c, j));
        }
    }
}

void BSplineCurve::luSolve()
{
    double* y = work_;
    for (int i = 1; i <= n_; ++i) {
        double sum = pointCoordinate(i);
        for (int j = 1; j < i; ++j)
            sum -= matrix(i, j) * y[j];
        y[i] = sum;
    }
    if (!nearlyZero(matrix(n_, n_)))
        y[n_] = y[n_] / matrix(n_, n_);
    for (int i = n_ - 1; i >= 1; --i) {
        double sum = y[i];
        for (int j = i + 1; j <= n_; ++j)
            sum -= matrix(i, j) * y[j];
        // A near-zero divisor skips the division: the value stays as it was.
        if (!nearlyZero(matrix(i, i)))
            y[i] = sum / matrix(i, i);
    }
}

int BSplineCurve::sample()
{
    if (!output_ || output_->count != outputCount_)
        return 0;
    BlockLock lock(*output_);
    Point* out = lock.data<Point>();
    if (!out)
        return 0;
    const double step = 1.0 / samplesPerSpan_;
    for (int j = 0; j < outputCount_; ++j) {
        t_ = j * step;
        basisAt();
        double x = 0.0, y = 0.0;
        for (int i = span_ - kDegree; i <= span_; ++i) {
            if (i < 1)
                continue;
            x += basis(i, kOrder) * xCoefficients_[i];
            y += basis(i, kOrder) * yCoefficients_[i];
        }
        out[j] = Point(x, y, 0.0);
    }
    return 1;
}
