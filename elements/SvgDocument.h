#pragma once
// An interface that this folder and those above call; a folder above implements it.

class Point;
class PointList;

// The SVG writer of a drawing written as SVG. An element writes one SVG element: begin it by
// kind, give its points or numeric attributes, close the start tag, write content, end it.
// Every operation answers 0 on failure.
class SvgDocument {
public:
    // The element kinds the writer knows.
    enum Item : int { kLine = 11, kPolygon = 12, kRect = 13, kText = 14 };
    // Numeric attributes.
    enum Attribute : int { kX = 15, kY = 16, kWidth = 24, kHeight = 25 };
    // The point mode and the number format the elements pass.
    static constexpr int kPointMode = 3;
    static constexpr int kNumberFormat = 3;

    virtual ~SvgDocument() = default;

    [[nodiscard]] virtual int beginItem(int item) = 0;
    [[nodiscard]] virtual int addPoint(const Point& point, int mode) = 0;
    [[nodiscard]] virtual int writePointList(const PointList& points, int mode) = 0;
    [[nodiscard]] virtual int addNumber(int attribute, double value, int format) = 0;
    [[nodiscard]] virtual int closeStartTag() = 0;
    [[nodiscard]] virtual int writeContent(const char* bytes, int length) = 0;
    [[nodiscard]] virtual int endItem() = 0;
};
