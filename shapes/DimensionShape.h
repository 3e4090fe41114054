#pragma once
#include "document/ShapeOp.h"
#include "geometry/DrawPoint.h"
#include "platform/DeviceContext.h"
#include "shapes/DimensionNumeral.h"
#include "shapes/Shape.h"

class ArrowHeadStyle;
class DrawLineAttribute;
class FontAttributes;
class LineAttribute;
class MeasureAttributes;
class PointArray;

// What the length and angle dimension shapes share: the measured points (not owned) and the
// display point D, copies of the element's five attributes (numeral font, numeral attributes,
// dimension line, extension line, arrow head), the numeral, and the strokes and arrow heads
// their parts are drawn with.
class DimensionShape : public Shape {
public:
    // Makes the five attributes with their defaults; a part that could not be made is not drawn.
    DimensionShape();
    ~DimensionShape();

    // The measured points (not owned, never changed) and a copy of the display point.
    void setPoints(const PointArray* list) { measured = list; }
    void setDisplayPoint(const DrawPoint& p) { display = p; }
    // Copies of the element's attributes.
    void setFont(const FontAttributes& value);
    void setMeasure(const MeasureAttributes& value);
    void setDimensionLine(const LineAttribute& value);
    void setExtensionLine(const DrawLineAttribute& value);
    void setArrowHead(const ArrowHeadStyle& value);

protected:
    // What execute does for every dimension kind: the mode taken, the kind's preparation for the
    // operation, then its figure drawn. PDF and PostScript output answer done whatever a part
    // wrote (PDF even when the preparation failed).
    template <class Prepare, class Draw>
    [[nodiscard]] int runPrepared(int operation, int newMode, Prepare prepareStep, Draw drawStep)
    {
        mode = newMode;
        if (operation == ShapeOp::Pdf) {
            if (prepareStep(operation))
                (void)drawStep(); // the export answers done whatever a part wrote
            return 1;
        }
        if (!prepareStep(operation))
            return 0;
        if (op == ShapeOp::PostScript) {
            (void)drawStep(); // as PDF: the PostScript output answers done
            return 1;
        }
        // The lines, arrow heads and numerals select their pens through the surface alone.
        PenRun run(surface);
        return drawStep();
    }
    // The context, the point count (at least minimum, or exactly it when exact), the operation
    // filter and surface (not for PDF, which needs a running export instead), the attributes
    // bound, the numeral's font chosen. 0 when one of them is missing.
    [[nodiscard]] int prepareDimension(int operation, int minimum, int exact);
    // The same for extents: without a view or surface the attributes are still bound and the
    // numerals measured as paper output measures them. 0 only without the points or attributes.
    [[nodiscard]] int prepareExtent(int minimum, int exact);
    // Point i of the measured list; 0 outside it or for a point that is not finite.
    [[nodiscard]] int measuredPoint(int i, Point& p) const;
    // The numeral gap and the arrow-head length in drawing units (0 for values not finite).
    [[nodiscard]] double gap() const;
    [[nodiscard]] double arrowLength() const;
    // The text of a value with the suffix label the drawing's measure defaults give for the
    // unit (length unit of the numeral attributes, or the angle unit), measured.
    [[nodiscard]] int buildNumeral(double value, int angleUnit) { return buildNumeral("", &value, 1, angleUnit); }
    // The prefix, then the values (already in the numeral's unit) joined by "_", then the label
    // after the last one, measured.
    [[nodiscard]] int buildNumeral(const char* prefix, const double* values, int count, int angleUnit);
    // One straight part in the pen's (or else the draw line's) colour, width and style.
    [[nodiscard]] int stroke(const Point& from, const Point& to, const LineAttribute* pen, const DrawLineAttribute* draw);
    // One arrow head in the shape's style at tip, opening from `from` towards `to`: drawn, or
    // while pickingHeads is set tested against the select tool's pick (1 on a hit, else 0).
    int arrowHeadAt(const Point& tip, const Point& from, const Point& to);
    // The pick against the arrow heads the call draws: 1 when one is hit.
    template <class DrawHeads> [[nodiscard]] int hitArrowHeads(DrawHeads drawHeads)
    {
        pickingHeads = 1;
        const int hit = drawHeads();
        pickingHeads = 0;
        return hit;
    }
    // The numeral in its colour for the operation at the anchor, turned by angle degrees.
    [[nodiscard]] int drawNumeral(const Point& anchor, double angle);
    // The numeral's rectangle corners: anchor, raised, raised and along, along.
    void numeralCorners(const Point& anchor, double angle, Point corners[4]) const;
    // The select tool's test of the numeral's rectangle at the anchor.
    [[nodiscard]] int hitNumeral(const Point& anchor, double angle);
    // lo..hi widened by p when p is finite.
    static void grow(Point& lo, Point& hi, const Point& p);
    // lo..hi widened by the arrow heads at two tips: each reaches its length about its tip,
    // whatever its lean.
    void growByArrowHeads(Point& lo, Point& hi, const Point& tip1, const Point& tip2) const;
    // lo..hi widened by the numeral's rectangle at the anchor, turned by angle degrees.
    void growByNumeral(Point& lo, Point& hi, const Point& anchor, double angle) const;
    // A part of the shape (line, arrow head, arc) placed and bound as this shape is.
    void shareWith(Shape& part) const;

    const PointArray* measured = nullptr;
    DrawPoint display;
    int pickingHeads = 0;
    // 1 for a kind that places its numeral by the number's own width (without the label): only
    // then is it measured.
    int placesByNumberWidth = 0;
    DimensionNumeral numeral;
};
