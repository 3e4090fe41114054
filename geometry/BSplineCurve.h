#pragma once

class PointArray;

// The smooth polyline of a spline element: a quadratic B-spline (order 3) that passes through
// every given point, point i at parameter i, sampled a fixed number of times per parameter unit.
// The spline shape evaluates it with 8 samples per span on screen and 20 for printing and
// output; the select tool's hit test uses 3.
//
// The coefficients are solved from the collocation matrix at the integer parameters. The work
// arrays are sized for 30, 60, 90 or 120 points (at most 120 points are accepted), indexed from 1,
// and kept between evaluations: they are allocated again only when a longer list needs a larger
// size than the one allocated, so repainting a spline allocates nothing.
//
// Evaluation fails (0) and leaves the output untouched for more than 120 points, a coordinate
// that is not finite, a coefficient that overflows, a sample count below 1 or above
// kMaxSamplesPerSpan, or an output that cannot grow. Fewer than three points come back as they
// are, without a solve. Pivots within 1e-5 of 0 are skipped rather than reported: the curve is
// then not exact, but evaluation completes.
class BSplineCurve {
public:
    static constexpr int kMaxPoints = 120;
    static constexpr int kCapacityStep = 30;
    // Far beyond the 20 of the finest caller; bounds the output of a corrupt setting.
    static constexpr int kMaxSamplesPerSpan = 1000;

    BSplineCurve() = default;
    ~BSplineCurve() { freeBuffers(); }
    BSplineCurve(const BSplineCurve&) = delete;
    BSplineCurve& operator=(const BSplineCurve&) = delete;

    // Output points per parameter unit (3 on construction).
    void setSamplesPerSpan(int n) { samplesPerSpan_ = n; }
    [[nodiscard]] int samplesPerSpan() const { return samplesPerSpan_; }

    // Fills output with (n - 1) * samples + 1 points of the curve through the n points (z 0,
    // flag 0); output point j * samples lies on given point j. 1 on success, 0 on failure.
    [[nodiscard]] int evaluate(const PointArray* points, PointArray* output);

    // Sizing of the work arrays for n points: 0 (nothing changed) above 120 points.
    [[nodiscard]] int prepare(int n);
    [[nodiscard]] int allocateBuffers();
    void freeBuffers();
    void clearBuffers();

    // Knot i (1-based) of the last evaluation, 1 to n + 3; 0.0 out of range.
    [[nodiscard]] double knot(int i) const;

    // The size the work arrays were allocated for (0 before the first evaluation) and how many
    // times they were allocated: a repeated evaluation leaves both as they are.
    [[nodiscard]] int allocatedCapacity() const { return allocatedCapacity_; }
    [[nodiscard]] int allocationCount() const { return allocations_; }
    // The size asked for by the last evaluation: the smallest multiple of 30 that holds its points.
    [[nodiscard]] int capacity() const { return capacity_; }

private:
    // The steps of evaluate, on the points it binds and in the arrays prepare sized for them.
    void buildKnots();
    void buildBasisMatrix();
    void basisAt();
    void solveCoefficients();
    void luDecompose();
    void luSolve();
    [[nodiscard]] int sample();

    // 1-based access to the basis table N[i][m] and the matrix A[i][j].
    void setBasis(int i, int m, double v) { basis_[i * basisStride() + m] = v; }
    [[nodiscard]] double basis(int i, int m) const { return basis_[i * basisStride() + m]; }
    void setMatrix(int i, int j, double v) { matrix_[i * matrixStride() + j] = v; }
    [[nodiscard]] double matrix(int i, int j) const { return matrix_[i * matrixStride() + j]; }
    // x or y (by the coordinate selector) of given point i - 1; 0.0 without points.
    [[nodiscard]] double pointCoordinate(int i) const;

    static constexpr int kDegree = 2;
    static constexpr int kOrder = kDegree + 1;
    static constexpr double kTolerance = 1e-5;

    // Strides follow the allocated size, so that a shorter list reuses the larger arrays.
    [[nodiscard]] int basisStride() const { return kDegree + 2; }
    [[nodiscard]] int matrixStride() const { return allocatedCapacity_ + 1; }

    int capacity_ = kCapacityStep;
    int samplesPerSpan_ = 3;
    int n_ = 0;
    int outputCount_ = 0;
    int selector_ = 0; // 0 = x, 1 = y while solving
    int span_ = 0;
    double t_ = 0.0;

    int allocatedCapacity_ = 0;
    int allocations_ = 0;
    int* rowOrder_ = nullptr;
    double* xCoefficients_ = nullptr;
    double* yCoefficients_ = nullptr;
    double* work_ = nullptr;
    double* knots_ = nullptr;
    double* basis_ = nullptr;
    double* matrix_ = nullptr;

    // Bound only inside evaluate.
    const PointArray* points_ = nullptr;
    PointArray* output_ = nullptr;
};
