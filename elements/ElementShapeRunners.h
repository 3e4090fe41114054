#pragma once

class Element;

// Runs the shape of an element's kind for one operation (ShapeOp), with the output offset
// (x, y, z, drawing units) and, for the rotated preview, the rotation (angle in degrees, centre x,
// centre y, fourth value; null for none); the shape's result. The shapes live above the element
// kinds, so each kind reaches its shape through the runner of its code (row code - 1), which
// start-up installs (installElementShapes); a null runner draws nothing and answers 0.
using ElementShapeRunner = int (*)(Element& element, int operation, const double offset[3], const double* rotation);
extern ElementShapeRunner elementShapeRunners[19];

// The runner of the element's kind, or 0 without one.
[[nodiscard]] int runElementShape(Element& element, int operation, const double offset[3], const double* rotation);

// The exact extent of an element's drawing (drawing units) through its kind's shape: 1 with lo
// and hi set, 0 without a runner or when the shape has nothing to measure.
class Point;
using ElementExtentRunner = int (*)(Element& element, Point& lo, Point& hi);
extern ElementExtentRunner elementExtentRunners[19];
[[nodiscard]] int runElementExtent(Element& element, Point& lo, Point& hi);

// The hit test of the kinds whose shape answers it (the dimensions): the shape's result, 0
// without a runner.
using ElementHitRunner = int (*)(Element& element);
extern ElementHitRunner elementHitRunners[19];
[[nodiscard]] int runElementHitTest(Element& element);

class PointArray;

// The partial-oval geometry, which lives with the shapes: the oval kind asks it through these
// hooks (installed with the runners; null answers 0). `grow` moves the curve outward (drawing
// units) as a stroke of that reach would; `closed` appends a quarter's centre.
using OvalOutlineHook = int (*)(const Point& a, const Point& b, int type, double grow, int closed, PointArray& out);
// The full axis lengths of the ellipse and its centre (before any lean).
using OvalAxesHook = int (*)(const Point& a, const Point& b, int type, double axes[2], Point& centre);
extern OvalOutlineHook ovalOutlineHook;
extern OvalAxesHook ovalAxesHook;
