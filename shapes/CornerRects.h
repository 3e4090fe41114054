#pragma once
class DoubleRect;
class DrawPoint;
class Shape;
struct IntRect;

// The rectangle of two corners (in any order) as the image shapes place their image in it.
// The paper rectangle at the drawing's scale; 0 when the corners make none.
[[nodiscard]] int cornersPaperRect(const Shape& shape, const DrawPoint& a, const DrawPoint& b, DoubleRect& out);
// The normalised device rectangle for the shape's current operation; 0 without a view.
[[nodiscard]] int cornersDeviceRect(const Shape& shape, const DrawPoint& a, const DrawPoint& b, IntRect& out);
