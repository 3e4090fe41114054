#pragma once

class Element;
class Point;
class PointArray;
class PointList;

// The element kinds' operations through their shapes (shapes/): each call makes the shape of the
// element's kind, fills it with the element's context, layer, colour, points and attributes,
// places it and runs it once.

// Runs the shape for one operation (ShapeOp), with the output offset (x, y, z, drawing units)
// and, for the rotated preview, the rotation (angle in degrees, centre x, centre y, fourth value;
// null for none); the shape's result, 0 for a code that is not an element kind.
[[nodiscard]] int runElementShape(Element& element, int operation, const double offset[3], const double* rotation);

// The exact extent of an element's drawing (drawing units) through its kind's shape: 1 with lo
// and hi set, 0 for the kinds that measure themselves or when the shape has nothing to measure.
[[nodiscard]] int runElementExtent(Element& element, Point& lo, Point& hi);

// The hit test of the kinds whose shape answers it: the shape's result, 0 for the other kinds.
[[nodiscard]] int runElementHitTest(Element& element);

// The partial-oval geometry of the oval kind: the outline between the corners a and b of the
// type (`grow` moves the curve outward, drawing units, as a stroke of that reach would; `closed`
// appends a quarter's centre), and the full axis lengths of the ellipse and its centre (before
// any lean).
[[nodiscard]] int ovalOutline(const Point& a, const Point& b, int type, double grow, int closed, PointArray& out);
[[nodiscard]] int ovalAxes(const Point& a, const Point& b, int type, double axes[2], Point& centre);

// The path editor's curve: the owner's attributes over the points, never filled.
[[nodiscard]] int drawBezierCurve(Element& owner, PointList& points, int openClose, int operation,
                                  const double offset[3]);

// One underline of a text's pick display (drawing points), in the pick colour.
void drawPickUnderline(Element& text, const Point& from, const Point& to);

// The image kinds' shapes (ImageShapes.cpp): the bitmap's and the placed picture's.
[[nodiscard]] int runBitmapShape(Element& bitmap, int operation, const double offset[3]);
[[nodiscard]] int runPictureShape(Element& element, int operation, const double offset[3]);
