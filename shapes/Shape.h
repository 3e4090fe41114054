#pragma once
#include <cstddef>
#include <new>

#include "document/ShapeOp.h"
#include "geometry/InkColor.h"
#include "geometry/ViewArea.h"

class DeviceContext;
class DibImage;
class DocumentContext;
class DoubleRect;
class IntPolygon;
class LineStyle;
class PdfWriter;
class Point;
class PointArray;
class PointList;
class PrintSettings;
class PsOutput;
class ViewParams;
class ViewUpdater;

// The sub-objects a shape may hold: attribute values of geometry, and (declared only) those the
// element kinds bring.
class ArrowHeadStyle;
class BoxRules;
class CornerRounding;
class DiameterList;
class DoubleValue;
class DrawLineAttribute;
class EdgeAttributes;
class FillAttributes;
class FontAttributes;
class GrayValue;
class HatchAttributes;
class LeanAttribute;
class LineAttribute;
class LineCapAttribute;
class LineOriginAttribute;
class LineSizeAttribute;
class LineTypeAttribute;
class MeasureAttributes;
class OpenCloseAttribute;
class OvalType;
class RadiusList;
class TextSpacingAttribute;

// The base of the shapes: the short-lived objects through which every geometric operation of an
// element runs (drawing, erasing, pick display, rubber bands, printing, PostScript and PDF). An
// element makes the shape of its kind, copies its context, layer, colour, points and attribute
// values into it, sets offset and rotation, runs the class's execute(op, 2) and deletes it; a
// shape keeps nothing beyond that. Shapes are not virtual: each class has its own execute and is
// used by its own type, and each builds further shapes for its parts.
//
// Units: points are drawing units (paper millimetres times the scale denominator over the
// numerator of the context's paper); stored lengths (widths, dash pitches) are paper millimetres.
// PostScript and PDF get paper millimetres: coordinates through the scaled forwarders below,
// widths and pitches as stored.
//
// Results: 1 done (also when nothing had to be drawn), 0 refused or failed; the PostScript colour
// steps answer -1 without a running PostScript output. Without a context a shape draws nothing.
class Shape {
public:
    // The most pieces one dashed path puts out, however long the path and short its pitches.
    static constexpr int kMaxPieces = 100000;

    Shape() = default;
    // Deletes the rotated copy of the points and every sub-object still held.
    ~Shape();
    Shape(const Shape&) = delete;
    Shape& operator=(const Shape&) = delete;

    // --- managers of the context (null without context or manager) ---
    [[nodiscard]] ViewUpdater* viewUpdater() const;
    [[nodiscard]] ViewParams* viewParams() const;
    [[nodiscard]] PrintSettings* printSettings() const;
    // The PostScript output, only while a PostScript job runs.
    [[nodiscard]] PsOutput* postScriptWriter() const;
    // The running PDF export's writer; null when no export runs.
    [[nodiscard]] static PdfWriter* pdfWriter();
    [[nodiscard]] DeviceContext* surfaceFor(int operation) const;

    // --- paper ---
    // The drawing scale's terms as doubles (1.0 without paper settings).
    [[nodiscard]] double scaleNumerator() const;
    [[nodiscard]] double scaleDenominator() const;
    // A paper length in drawing units, and a drawing length or coordinate in paper millimetres.
    [[nodiscard]] double toDrawingUnits(double paperLength) const { return paperLength * scaleDenominator() / scaleNumerator(); }
    [[nodiscard]] double toPaper(double drawingValue) const { return drawingValue * scaleNumerator() / scaleDenominator(); }
    // The sheet's width and height in paper millimetres, the longer of the two, and that in
    // drawing units; 0.0 without a sheet.
    [[nodiscard]] double paperWidth() const;
    [[nodiscard]] double paperHeight() const;
    [[nodiscard]] double paperLongerSide() const;
    [[nodiscard]] double paperLongerSideInDrawing() const;

    // --- placement ---
    void setOffset(double x, double y, double z);
    void addOffset(double dx, double dy, double dz);
    void setRotation(double angle, double centreX, double centreY, double fourth);
    // The angle from values[1], the centre and the fourth value from b's x, y and z.
    void setRotationFrom(const double values[2], const Point& b);
    [[nodiscard]] int hasRotation() const;
    // When the rotation angle is not nearly zero: path becomes a rotated copy of its points (held
    // in workPoints); the points path pointed to stay as they were. 0 when the copy failed.
    [[nodiscard]] int rotatePath();
    // The length of pixelCount pixels for the current operation; 0 without a count or view.
    [[nodiscard]] int lengthOfPixels(double& out) const;

    // --- the operation ---
    // Accepts the operation codes the shapes draw (and sets printerOutput for 71 and 72; 72 only
    // while a PostScript job runs); 0 for any other.
    [[nodiscard]] int acceptsOp(int operation);
    void setEffectiveColor(const InkColor& colour);
    // The colour operation `operation` draws with for the own colour `own` (the view updater
    // decides; without one the own colour).
    void colourForOperation(int operation, const InkColor& own, InkColor& out) const;
    // effectiveColour tinted by the gray value, when the shape has one.
    void applyGray();
    // The colour for the operation from the edge's (fill's) colour and tint; without edge (fill)
    // attributes the effective colour.
    void effectiveEdgeColor(int operation, InkColor& out) const;
    void effectiveFillColor(int operation, InkColor& out) const;
    // devicePenWidth for a width in paper millimetres: the largest odd pixel count not above the
    // width's pixels for the operation, at least 1, at most 31999.
    void updateDevicePenWidth(double width);
    [[nodiscard]] static int devicePenWidthFor(ViewParams* view, int operation, double width);
    // For a pick: operation 1 (the pen widths of the drawing the user sees), the sub-objects bound
    // and devicePenWidth for the width (1 without a view mapping); no surface is needed.
    void preparePick(double width);
    // The stroke-placement factors of a line position (2 TOP, 3 BOTTOM, anything else CENTER).
    void setStrokeFactors(int position);
    [[nodiscard]] double leadingFactor() const { return leading; }
    [[nodiscard]] double centerOffsetFactor() const { return centre; }
    [[nodiscard]] double trailingWidthFactor() const { return trailing; }
    // Culling against viewArea is off while printing and while the view updater redirects.
    [[nodiscard]] int culling() const;

    // The points of `points` offset sideways by `distance` (the side of the segment direction
    // turned by +90 degrees; negative for the other side), walked forward (direction >= 0) or
    // backward, appended to out. endMode 1 stops after the first segment; -1 leaves out the last
    // point; a nearly zero distance copies the points instead (endMode m >= 1 the first m, m < 0
    // all but the last -m). With toDrawingUnits every appended point is converted from paper
    // millimetres. Repeated points are skipped; a straight-through vertex is moved across, a
    // reversal gives both sides' points. 0 for fewer than two distinct points or a failed append.
    [[nodiscard]] int buildOutline(int toDrawingUnits, const PointArray& points, PointArray& out, double distance,
                                   int direction, int endMode) const;

    // --- caps (nothing, and 0, without a line-cap attribute) ---
    // The cap style at the start when atStart is set (else no cap), likewise at the end.
    void setCapEnds(int atStart, int atEnd);
    // The cap in force at end 0 (start) or 1 (end); 0 for none.
    [[nodiscard]] int capAt(int end) const;
    [[nodiscard]] int hasRoundCap() const;

    // --- sub-objects ---
    // Creates the sub-object of a slot when it is absent; 0 when it could not be made. A shape
    // lives for one operation and makes a dozen small sub-objects and shapes for its parts: they
    // are made in the shape's own room while it lasts (on the heap once it is full).
    template <class T> [[nodiscard]] int ensure(T*& slot)
    {
        if (slot)
            return 1;
        const size_t at = (roomUsed + alignof(T) - 1) / alignof(T) * alignof(T);
        if (alignof(T) <= alignof(std::max_align_t) && at + sizeof(T) <= sizeof room) {
            slot = new (room + at) T;
            roomUsed = at + sizeof(T);
        } else {
            slot = new (std::nothrow) T;
        }
        return slot != nullptr;
    }
    template <class T> void release(T*& slot)
    {
        if (slot && isInRoom(slot))
            slot->~T();
        else
            delete slot;
        slot = nullptr;
    }
    // Gives the context to every sub-object that keeps one, and to viewArea.
    void bindSubObjects();
    // The stroke of the stroked kinds, on the sub-objects ensureStroke made (nothing without
    // them): the width in paper millimetres, a LineOriginAttribute position, the style code with
    // its dash, gap and dot lengths (paper millimetres), LineCapAttribute caps, the tint of the
    // colour (1.0 full).
    void setWidth(double width);
    void setPosition(int position);
    void setLineStyle(const LineStyle& style);
    void setCapStyle(int cap);
    void setGrayValue(double value);

    // --- PostScript (nothing written and 0 without a running PostScript output; the colour
    // steps -1). Coordinates are paper millimetres unless the name says Scaled. ---
    [[nodiscard]] int psTestColor(double tint);
    [[nodiscard]] int psSetColor(double tint);
    [[nodiscard]] int psApplyColor(double tint);
    [[nodiscard]] int psNewPath();
    [[nodiscard]] int psClosePath();
    [[nodiscard]] int psStroke();
    [[nodiscard]] int psFill();
    [[nodiscard]] int psClip();
    [[nodiscard]] int psInitClip();
    [[nodiscard]] int psMoveTo(double x, double y);
    [[nodiscard]] int psLineTo(double x, double y);
    [[nodiscard]] int psCurveTo(double x1, double y1, double x2, double y2, double x3, double y3);
    [[nodiscard]] int psArc(double x, double y, double radius, double startAngle, double endAngle, int clockwise);
    [[nodiscard]] int psSetLineWidth(double width);
    // The pattern of line type code t for a path of `length` (see setDashOn).
    [[nodiscard]] int psSetDash(int t, double length);
    // The cap style as PostScript's cap (round 1, square 2, else 0); 1 and nothing written
    // without a line-cap attribute.
    [[nodiscard]] int psSetLineCap();
    [[nodiscard]] int psSetMiterJoin();
    [[nodiscard]] int psSelectFont(double size, const char* face, int style, int useCache);
    [[nodiscard]] int psShowText(const char* text);
    [[nodiscard]] int psShowTextCounted(const char* text, int from, int to);
    // Turns the coordinate system by the angle before the text (phase 0) and back (phase 1).
    [[nodiscard]] int psRotate(double angle, int phase);
    [[nodiscard]] int psShowTextRotated(const char* text, double angle);
    [[nodiscard]] int psShowTextCountedRotated(const char* text, int from, int to, double angle);
    [[nodiscard]] int psImage(const DibImage& image, const DoubleRect& rect);
    [[nodiscard]] int psMoveToScaled(double x, double y);
    [[nodiscard]] int psLineToScaled(double x, double y);
    [[nodiscard]] int psArcScaled(double x, double y, double radius, double startAngle, double endAngle, int clockwise);
    [[nodiscard]] int psSetDashScaled(int t, double length);
    // Moves to (x + d sin a, y + d cos a), a in degrees; the Ignoring forms move to (x, y). The
    // Scaled forms scale x and y, not d.
    [[nodiscard]] int psMoveToPolar(double x, double y, double d, double a);
    [[nodiscard]] int psMoveToIgnoringPolar(double x, double y, double d, double a);
    [[nodiscard]] int psMoveToPolarScaled(double x, double y, double d, double a);
    [[nodiscard]] int psMoveToIgnoringPolarScaled(double x, double y, double d, double a);
    // Point walks over a list in drawing units, each point with the shape's offset when asked,
    // scaled (the curve walk only when asked). 0 for an index out of range, stopping there.
    [[nodiscard]] int psMoveToPoint(const PointArray& list, int i, int withOffset);
    [[nodiscard]] int psLineToPoints(const PointArray& list, int first, int last, int withOffset);
    // Curve segments from points first..last three at a time; surplus points are dropped.
    [[nodiscard]] int psCurvePoints(const PointArray& list, int first, int last, int scaled, int withOffset);

    // --- PDF (nothing written and 0 while no export runs) ---
    // 0 without a running export or view mapping; else binds the sub-objects, 1.
    [[nodiscard]] int pdfBindAttributes();
    [[nodiscard]] int pdfSetStrokeColor(const InkColor& colour, double tint);
    // The tint from the gray value (1.0 without one).
    [[nodiscard]] int pdfSetStrokeColorFromGray(const InkColor& colour, const GrayValue* grayValue);
    [[nodiscard]] int pdfSetFillColor(const InkColor& colour, double tint);
    [[nodiscard]] int pdfSetFillColorSolid(const InkColor& colour);
    [[nodiscard]] int pdfSaveState();
    [[nodiscard]] int pdfRestoreState();
    [[nodiscard]] int pdfClip();
    [[nodiscard]] int pdfEndPath();
    [[nodiscard]] int pdfClosePath();
    [[nodiscard]] int pdfStroke();
    [[nodiscard]] int pdfFill();
    [[nodiscard]] int pdfSetLineWidth(double width);
    [[nodiscard]] int pdfSetDash(int t, double length);
    [[nodiscard]] int pdfSetDashScaled(int t, double length);
    [[nodiscard]] int pdfMoveTo(double x, double y);
    [[nodiscard]] int pdfLineTo(double x, double y);
    [[nodiscard]] int pdfMoveToScaled(double x, double y);
    [[nodiscard]] int pdfLineToScaled(double x, double y);
    [[nodiscard]] int pdfCurveTo(double x1, double y1, double x2, double y2, double x3, double y3);
    [[nodiscard]] int pdfMoveToPoint(const PointArray& list, int i, int withOffset);
    [[nodiscard]] int pdfLineToPoints(const PointArray& list, int first, int last, int withOffset);
    [[nodiscard]] int pdfCurvePoints(const PointArray& list, int first, int last, int scaled, int withOffset);
    // startNewPath: a move to point 0, then lines (curves) over the rest; otherwise lines
    // (curves) from point 0 on, continuing the current path.
    [[nodiscard]] int pdfPolyline(const PointArray& list, int startNewPath, int withOffset);
    [[nodiscard]] int pdfBezierPath(const PointArray& list, int startNewPath, int withOffset);
    [[nodiscard]] int pdfBeginText();
    [[nodiscard]] int pdfEndText();
    [[nodiscard]] int pdfSetTextMatrix(double a, double b, double c, double d, double e, double f);
    // e and f (the translation) scaled.
    [[nodiscard]] int pdfSetTextMatrixScaled(double a, double b, double c, double d, double e, double f);
    [[nodiscard]] int pdfSetGraphicsState();
    [[nodiscard]] int pdfSetCharSpacing(double value);
    [[nodiscard]] int pdfSetWordSpacing(double value);
    [[nodiscard]] int pdfShowText(const char* text);
    [[nodiscard]] int pdfShowTextCounted(const char* text, int from, int to);
    [[nodiscard]] int pdfSelectFont(const char* face, int style);
    [[nodiscard]] int pdfDrawImage(const DibImage& image, const DoubleRect& rect);

    DocumentContext* context = nullptr; // not owned
    ViewArea viewArea;
    double offsetX = 0.0;
    double offsetY = 0.0;
    double offsetZ = 0.0;
    double rotationAngle = 0.0; // degrees
    double rotationCentreX = 0.0;
    double rotationCentreY = 0.0;
    double rotationFourth = 0.0;
    PointArray* path = nullptr;        // not owned, unless it points to workPoints
    PointList* workPoints = nullptr;   // owned: the rotated copy of the points
    PointArray* extraPoints = nullptr; // not owned
    int pixelCount = 0;
    int op = 0;
    int printerOutput = 0;
    // The second argument of execute, handed on to the shapes a shape builds for its parts.
    int mode = 0;
    DeviceContext* surface = nullptr; // not owned
    InkColor effectiveColour;
    int devicePenWidth = 1;
    double leading = 0.5;
    double centre = 0.0;
    double trailing = 0.5;
    int layer = 0;

    // Sub-objects (owned; null until a shape class ensures them), in table order.
    LineSizeAttribute* lineSize = nullptr;
    LineOriginAttribute* linePosition = nullptr;
    LineTypeAttribute* lineType = nullptr;
    LineCapAttribute* lineCaps = nullptr;
    FontAttributes* font = nullptr;
    MeasureAttributes* measure = nullptr;
    LineAttribute* measureLine = nullptr;
    DrawLineAttribute* drawLine = nullptr;
    ArrowHeadStyle* arrowHead = nullptr;
    HatchAttributes* hatch = nullptr;
    EdgeAttributes* edge = nullptr;
    FillAttributes* fill = nullptr;
    OpenCloseAttribute* openClose = nullptr;
    LeanAttribute* lean = nullptr;
    OvalType* ovalType = nullptr;
    TextSpacingAttribute* textSpacing = nullptr;
    GrayValue* gray = nullptr;
    RadiusList* radii = nullptr;
    DiameterList* diameters = nullptr;
    DoubleValue* firstDouble = nullptr;
    DoubleValue* secondDouble = nullptr;
    BoxRules* boxRules = nullptr;
    CornerRounding* cornerRounding = nullptr;

protected:
    // Makes the line size, position, type, caps and gray sub-objects; one that cannot be made
    // counts as absent and the defaults stand in for it.
    void ensureStroke();

    // The member functions that write one stroked path to PostScript or to PDF, in paper
    // millimetres from drawing coordinates.
    struct StrokeWriter {
        int (Shape::*newPath)(); // null where the language has none
        int (Shape::*moveTo)(double, double);
        int (Shape::*lineTo)(double, double);
        int (Shape::*closePath)();
        int (Shape::*setDash)(int, double);
        int (Shape::*setWidth)(double);
        int (Shape::*stroke)();
    };
    [[nodiscard]] static const StrokeWriter& postScriptStrokes();
    [[nodiscard]] static const StrokeWriter& pdfStrokes();
    // One stroked path through a writer: the dash pattern of line type t for a path of
    // pathLength (drawing units) and the width (paper millimetres) first, then the path, closed
    // when asked. The points are drawing coordinates placed already (no offset is added).
    [[nodiscard]] int strokeOutputPath(const StrokeWriter& writer, int t, double width, double pathLength,
                                       const double* xs, const double* ys, int count, int closed);
    [[nodiscard]] int strokeOutputPath(const StrokeWriter& writer, int t, double width, double pathLength,
                                       const PointArray& points, int closed);

    // The common preparation of a device or PostScript operation (op already stored): the
    // operation filter, the view mapping, the sub-objects and viewArea bound to the context,
    // viewArea set to the screen grown by half lineWidth (paper millimetres), and the surface.
    // 0 when one of them is missing.
    [[nodiscard]] int prepareOperation(double lineWidth);
    // path becomes a copy of its points (held in workPoints) rotated by the rotation, when it
    // has one, and moved by the offset: the points every output of the operation draws, so that
    // the offset is applied once. 0 without points or when the copy failed.
    [[nodiscard]] int placePath();
    // 1 when every point of path has finite coordinates (a shape with any other draws nothing).
    [[nodiscard]] int pathIsFinite() const;
    // Fills a polygon of drawing points (closed by the fill) in effectiveColour on the surface,
    // clipped first to the screen grown by the line width while culling.
    void fillWorldPolygon(const double* xs, const double* ys, int count);
    void fillWorldPolygon(const PointArray& points);
    // The device polygon of drawing points for the operation, cut as fillWorldPolygon cuts it,
    // consecutive equal device points dropped, closed. 0 when fewer than three points remain or
    // a point is not finite.
    [[nodiscard]] int worldPolygonToDevice(const double* xs, const double* ys, int count, IntPolygon& polygon);
    // The same for a point list, each point moved by (dx, dy).
    [[nodiscard]] int worldPolygonToDevice(const PointArray& points, double dx, double dy, IntPolygon& polygon);
    // A one-pixel line in effectiveColour between two drawing points, cut to viewArea while
    // culling. The pen is selected on the first line after thinPenSelected is cleared.
    void drawThinSegment(double px, double py, double qx, double qy);
    // The segments between consecutive points of a path (count points), each cut and mapped as
    // drawThinSegment does it; segments that join on the device go out as one polyline.
    void drawThinPath(const Point* points, int count);

    // The screen in drawing units, grown by one line width: where polygons are cut before
    // they are mapped, so that no mapped vertex needs clamping.
    double clipLeft = 0.0;
    double clipTop = 0.0;
    double clipRight = 0.0;
    double clipBottom = 0.0;

    // Set once the one-pixel pen of the operation is selected into the surface.
    int thinPenSelected = 0;

private:
    // Where ensure makes sub-objects: the bytes of room in use so far (never given back: a shape
    // lasts one operation).
    alignas(std::max_align_t) unsigned char room[1536];
    size_t roomUsed = 0;
    [[nodiscard]] bool isInRoom(const void* p) const
    {
        const auto* b = static_cast<const unsigned char*>(p);
        return b >= room && b < room + sizeof room;
    }

    template <class PointAt>
    [[nodiscard]] int strokeOutputPathWith(const StrokeWriter& writer, int t, double width, double pathLength,
                                           int count, int closed, PointAt pointAt);
    // The colour for the operation from a sub-object's own colour: without the sub-object (own
    // null) the effective colour, without a view updater the own colour as stored (0 for both);
    // 1 when the sub-object's tint is still to be applied.
    [[nodiscard]] int subObjectColour(int operation, const InkColor* own, InkColor& out) const;
    // Point i of the list, with the offset when asked and scaled when asked; 0 out of range.
    [[nodiscard]] int outputPoint(const PointArray& list, int i, int withOffset, int scaled, double& x, double& y) const;
    // The dash pattern of line type t on a path of `length`, given to one writer's setDash.
    template <class Writer> [[nodiscard]] int setDashOn(Writer* writer, int t, double length) const;
    [[nodiscard]] int walkMoveTo(const PointArray& list, int i, int withOffset, int (Shape::*moveTo)(double, double));
    [[nodiscard]] int walkLines(const PointArray& list, int first, int last, int withOffset,
                                int (Shape::*lineTo)(double, double));
    [[nodiscard]] int walkCurves(const PointArray& list, int first, int last, int scaled, int withOffset,
                                 int (Shape::*curveTo)(double, double, double, double, double, double));
};
