#pragma once
#include "document/ElementAttributeTable.h"
#include "geometry/DoubleArray.h"

class ArrowHeadStyle;
class Dialog;
enum class ElementKind : int;
class DrawingOwner;
class DrawLineAttribute;
class EdgeAttributes;
class Element;
class ElementPropertyDialog;
class ElementRecordBuffer;
class FillAttributes;
class FontAttributes;
class HatchAttributes;
class InkColor;
class LineCapAttribute;
class LineDefaults;
class LineOriginAttribute;
class LineSizeAttribute;
class LineTypeAttribute;
class DrawPoint;
class Point;
class PointList;
class XmlContext;

// The per-vertex corner radii of the breakline and polygon kinds, in drawing units: value i
// belongs to vertex i, 0 a sharp corner. Every vertex edit keeps the list beside the points (an
// inserted vertex gets a 0, a removed one takes its value along).
//
// Store record: an int32 count, then that many doubles. Drawing file: the block "roundAray"
// holding "nums" and "doubleAray"; an empty or all-zero list writes nothing.
class VertexRoundingList : public DoubleArray {
public:
    // The most values a file or record may give a list, whatever its element's point count.
    static constexpr int kMaxValues = 1000000;

    // 1 write, 3 read (the list emptied, then filled); another mode answers 0. A record cut
    // short answers 0 and leaves the list empty.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    // Value i into (out of) a real-number control, in the grid unit of the drawing; 0 for an
    // index outside the list or a missing control.
    [[nodiscard]] int writeValueToControl(Dialog* dialog, int controlId, int index) const;
    [[nodiscard]] int readValueFromControl(Dialog* dialog, int controlId, int index);
    // The drawing file through the current XML context; 1 when nothing had to be written.
    [[nodiscard]] int writeXml() const;
    // The rest of the block tagId that the file just opened, into this list. "nums" must lie
    // within 0..pointCount (and kMaxValues) and "doubleAray" must hold that many values: else a
    // data error, the list empty and the block passed over. 0 when the file ended or failed.
    [[nodiscard]] int readXml(XmlContext& file, int tagId, int pointCount);

    DrawingOwner* owner = nullptr; // not owned; the drawing whose grid unit the dialogs show
};

// The operation bodies that several element kinds share: each kind's override calls the body
// of its form. They work on the element's own sub-objects and do nothing where one is missing.
namespace shared_body {

// The element's property dialog (owned from here on; null for none) run on it, the element
// erased and left out of redraws meanwhile; the dialog's result, 0 without one.
[[nodiscard]] int runPropertyDialog(Element& element, ElementPropertyDialog* dialog, int hasPrevious, int hasNext);
// A new property dialog for the element as a kind, made by its drawing's placement record; null
// without a drawing or a dialog for the kind.
[[nodiscard]] ElementPropertyDialog* makePropertyDialog(Element& element, ElementKind kind);
// From the line defaults record of the element's kind: the edge colour as the line's colour,
// layer, line size, position, type and cap (the line, breakline, arcbreakline, spline and arc).
void takeLineDefaults(Element& element);
// What the line, area and round kinds take alike from their record: the layer, line size,
// position and type.
void takeStrokeDefaults(Element& element, LineDefaults& defaults);
// From the same record: layer, line size, position and type, and the outline, fill and hatch
// composed by the record's take operations (the box, the oval and the polygon kinds).
void takeClosedDefaults(Element& element);
// The point list: every point moved; turned about a centre (degrees); point n replaced with
// flag 0 (an arc start becomes a plain vertex); x and y scaled about a centre (and the line
// width by flag value 1); emptied; one point appended with flag 0.
void translatePoints(Element& element, double dx, double dy, double dz);
void rotatePoints(Element& element, double angle, double centreX, double centreY);
void setListPoint(Element& element, int n, double x, double y, double z);
void scalePoints(Element& element, double factor, const Point& centre, int flags);
void clearPoints(Element& element);
void appendPoint(Element& element, double x, double y, double z);
// p onto the nearest point of the list (x, y and z); 0 for an empty list.
[[nodiscard]] int snapToNearestListPoint(Element& element, Point* p);
// p onto the nearest segment of the open point list; 0 for an empty list.
[[nodiscard]] int snapToNearestEdgeOpen(Element& element, Point* p);
// The value setters of the batch edit: the colour form (the element's colour) and the edge form
// (the edge's colour), then the fill and hatch colours and the line, edge, fill and hatch values.
void setColour(Element& element, const InkColor& value);
void setEdgeColour(Element& element, const InkColor& value);
void setFillColour(Element& element, const InkColor& value);
void setHatchColour(Element& element, const InkColor& value);
void setLineWidth(Element& element, const LineSizeAttribute& value);
void setLinePosition(Element& element, const LineOriginAttribute& value);
void setLineStyle(Element& element, const LineTypeAttribute& value);
void setLineCap(Element& element, const LineCapAttribute& value);
void setEdgeDrawn(Element& element, const EdgeAttributes& value);
void setFillDrawn(Element& element, const FillAttributes& value);
void setHatchPattern(Element& element, const HatchAttributes& value);
void setHatchPitch1(Element& element, const HatchAttributes& value);
void setHatchPitch2(Element& element, const HatchAttributes& value);
// The fill's gray and gradation settings.
void setFillGray(Element& element, const FillAttributes& value);
// The picks by the exact extent's box: whether the select tool's pick centre lies in it (what the
// handle pick style drags); the handle under the cursor, every handle of the box counting; and
// whether the select tool's pick area holds the whole box.
[[nodiscard]] int hitTestExactExtent(Element& element);
[[nodiscard]] int hitHandleOfExactExtent(Element& element, int* handle, int* flag);
[[nodiscard]] int isExactExtentInSelectionArea(Element& element);
// Before a shape, a dialog or the drawing file: the point list bound to the drawing and the
// rounding list cut or padded with zeros to the point count.
void preparePointList(Element& element);
// The picked element repainted: the overlay over its quick extent redrawn (operation 21), then
// the element shown picked. The element through its shape turned by the rotation (angle in
// degrees, centre x and y, fourth value) in the pick colour.
void repaintPicked(Element& element);
// The element's shape run for the operation at offset (x, y, z), applied once, by the shape (no
// print offset on top); the shape's result.
[[nodiscard]] int runShapeAt(Element& element, int operation, double x, double y, double z);
void drawRotatedPreview(Element& element, double angle, double centreX, double centreY, double fourth);
// The eight handles of the exact extent, every one shown.
void showAllExtentHandles(Element& element);
// The pick marks of the start and end points (operation 71 at each); nothing without either.
void markTwoPoints(Element& element);
// The sub-objects of a kind, made by initialize (a slot left null makes the operations that need
// it do nothing) and released by teardown.
void ensureAttributes(Element& element, const ElementAttribute* which, int count);
void releaseAttributes(Element& element, const ElementAttribute* which, int count);
// The start and end points linked to the element's drawing, so that they convert between paper
// and drawing scale.
void bindTwoPoints(Element& element);
// The first step of a two-point creation: start := the press that began the input, snapped to
// the grid, end := start, the saved extent cleared; 0 without a press or the points.
[[nodiscard]] int placeStartAtPress(Element& element);
// Start and end: moved; scaled about a centre (the line size by flag value 1); taken from the
// reader's attribute holder (a point it lacks stays).
void translateTwoPoints(Element& element, double dx, double dy, double dz);
// The start point turned about the centre (degrees), the end point keeping its signed offset from
// start (so that turning back restores both), the angle added to the lean.
void rotateTwoPointsWithLean(Element& element, double angle, double centreX, double centreY);
void scaleTwoPoints(Element& element, double factor, const Point& centre, int flags);
void readTwoPoints(Element& element, const Element& holder);
// The third point (an arc's middle, a circle's centre) taken from the holder likewise.
void readThirdPoint(Element& element, const Element& holder);
// Taken from the reader's attribute holder, each where the element has the slot: the edge, fill
// and hatch; the line size, position and type (the type only where the holder has one).
void readAreaFills(Element& element, const Element& holder);
void readStroke(Element& element, const Element& holder);
// The property sheet's coordinate setters: the point's x (axis 0) or y (axis 1) from the value's;
// nothing without the point.
void setCoordinate(DrawPoint* point, const Point& value, int axis);
// The diameter query of the round kinds: twice the element's one radius, with its centre.
[[nodiscard]] int diameterOfRadius(Element& element, double out[2], Point* centre);
// Handle n (0..7) of the element's extent (computed by the caller) dragged: the list mapped from
// the old box onto the box of the opposite handle and the cursor, the rubber band drawn (or, with
// a figure given, the element's overlay figure); the list restored when the drag is cancelled or
// released outside the view. The element is erased first when asked. 11 done, -1 cancelled or no
// such handle.
[[nodiscard]] int dragListHandle(Element& element, PointList& list, int handle, int eraseFirst, int figure = 0);
// The dimension and leader setters: one value of the element's leader line ("drawLine") or arrow
// head ("arrowLine") from the given attribute; nothing without the sub-object.
void setLeaderColour(Element& element, const InkColor& value);
void setLeaderStyle(Element& element, const DrawLineAttribute& value);
void setLeaderWidth(Element& element, const DrawLineAttribute& value);
void setHeadColour(Element& element, const InkColor& value);
void setHeadKind(Element& element, const ArrowHeadStyle& value);
void setHeadLineSize(Element& element, const ArrowHeadStyle& value);
void setHeadLength(Element& element, const ArrowHeadStyle& value);
void setHeadLean(Element& element, const ArrowHeadStyle& value);
// The font setters of the texts and the dimensions: the face (looked up again in the font change
// table, so that the face drawn follows the new name), the style, the size.
void setFontFace(Element& element, const FontAttributes& value);
void setFontStyle(Element& element, const FontAttributes& value);
void setFontSize(Element& element, const FontAttributes& value);

} // namespace shared_body
