#pragma once
#include <cstdint>

#include "geometry/Point.h"
#include "platform/IntPoint.h"

class Control;
class Dialog;
class XmlContext;
class DrawingOwner;
class ElementRecordBuffer;
class GridSettings;
class PaperSettings;
class ViewParams;

// A point that a drawing element owns: a Point in drawing units (millimetres at the drawing's
// scale, y growing downwards) that knows its drawing. Through that owner it converts to paper
// millimetres (what the drawing file stores: paper = drawing * numerator / denominator, so 1000
// drawing units at 1:100 are 10 mm), to the values shown in dialogs (grid unit, grid origin, and
// measured upwards from the bottom of the sheet when the paper's y axis is "UPPERPLUS") and to
// device pixels of a view. It writes itself into the element record buffer and into the drawing
// file, and reads itself back.
//
// Without an owner every look-up answers a fixed value (paper height 100, scale 1:1, y axis as
// stored, grid origin 0, millimetres), so detached points (clipboard, scratch copies) work too.
class DrawPoint : public Point {
public:
    // Decimals asked of the writer for coordinates; the writer keeps at most five.
    static constexpr int kXmlDecimals = 6;

    DrawPoint() = default;
    DrawPoint(double x, double y, double z = 0.0) : Point(x, y, z) {}

    // --- owner look-ups (the answers without owner in brackets) ---
    [[nodiscard]] static PaperSettings* paperOf(const DrawingOwner* owner);
    [[nodiscard]] static GridSettings* gridOf(const DrawingOwner* owner);
    // The sheet's height in drawing units (100.0).
    [[nodiscard]] static double paperHeightOf(const DrawingOwner* owner);
    // The scale terms as doubles, each at least 1 (1.0).
    [[nodiscard]] static double scaleNumeratorOf(const DrawingOwner* owner);
    [[nodiscard]] static double scaleDenominatorOf(const DrawingOwner* owner);
    // 1 "UPPERPLUS", 2 "UNDERPLUS" (0).
    [[nodiscard]] static int yAxisModeOf(const DrawingOwner* owner);
    // The grid origin in drawing units (0.0).
    [[nodiscard]] static double gridOriginXOf(const DrawingOwner* owner);
    [[nodiscard]] static double gridOriginYOf(const DrawingOwner* owner);
    // Unit ids of the grid's x and y pitch (1, millimetres).
    [[nodiscard]] static int gridXUnitOf(const DrawingOwner* owner);
    [[nodiscard]] static int gridYUnitOf(const DrawingOwner* owner);
    // The display name of a unit id ("ミリ" ... "度"); "" for an unknown id.
    [[nodiscard]] static const char* unitName(int unit);

    [[nodiscard]] double paperHeight() const { return paperHeightOf(owner); }
    [[nodiscard]] double scaleNumerator() const { return scaleNumeratorOf(owner); }
    [[nodiscard]] double scaleDenominator() const { return scaleDenominatorOf(owner); }
    [[nodiscard]] int yAxisMode() const { return yAxisModeOf(owner); }
    [[nodiscard]] double gridOriginX() const { return gridOriginXOf(owner); }
    [[nodiscard]] double gridOriginY() const { return gridOriginYOf(owner); }
    [[nodiscard]] int gridXUnit() const { return gridXUnitOf(owner); }
    [[nodiscard]] int gridYUnit() const { return gridYUnitOf(owner); }

    // --- conversions ---
    // Paper millimetres.
    void setPaperX(double v) { x = v * scaleDenominator() / scaleNumerator(); }
    void setPaperY(double v) { y = v * scaleDenominator() / scaleNumerator(); }
    [[nodiscard]] double getPaperX() const { return paperValueOf(x, owner); }
    [[nodiscard]] double getPaperY() const { return paperValueOf(y, owner); }
    // A coordinate in drawing units as paper millimetres, as a point of the owner's writes it.
    [[nodiscard]] static double paperValueOf(double v, const DrawingOwner* owner)
    {
        return v * scaleNumeratorOf(owner) / scaleDenominatorOf(owner);
    }
    void setXValue(double v) { x = v; }
    [[nodiscard]] double getXValue() const { return x; }
    // y as the user sees it: from the bottom of the sheet when the y axis is "UPPERPLUS".
    void setAxisY(double v);
    [[nodiscard]] double getAxisY() const;
    // x, y and z of another point; flag, owner and links stay.
    [[nodiscard]] int setCoordinates(const Point* p);
    // x, y, z, the owner and the xml link of another drawing point; flag and state words stay.
    [[nodiscard]] int copyFrom(const DrawPoint* p);
    // Millimetres into the grid's unit of that axis, and back.
    [[nodiscard]] double toGridUnitX(double v) const;
    [[nodiscard]] double toGridUnitY(double v) const;
    [[nodiscard]] double fromGridUnitX(double v) const;
    [[nodiscard]] double fromGridUnitY(double v) const;
    // Snaps x and y to the owner's grid; nothing without grid settings.
    void snapToGrid();

    // --- views ---
    // dims 2 takes x and y of the device point, dims 3 x, y and z (0); other dims nothing. Then
    // snapped to the grid when snap is nonzero. Nothing without a view.
    void setFromDevice(ViewParams* view, int dims, const IntPoint& device, int snap);
    // The device point of (x + dx, y + dy) (dims 3: with z + dz), unclamped or clamped to
    // -32000..32000. 0 without a view.
    [[nodiscard]] int toDevice(ViewParams* view, int dims, IntPoint* out) const;
    [[nodiscard]] int toDeviceOffset(ViewParams* view, int dims, double dx, double dy, double dz, IntPoint* out) const;
    [[nodiscard]] int toDeviceClamped(ViewParams* view, int dims, IntPoint* out) const;
    [[nodiscard]] int toDeviceClampedOffset(ViewParams* view, int dims, double dx, double dy, double dz, IntPoint* out) const;

    // --- dialogs ---
    // A control's number in the grid unit of that axis; 0 when the control is missing (or, for
    // the writers here and below, does not take the number or text).
    [[nodiscard]] int writeXToControl(Control* control) const;
    [[nodiscard]] int writeYToControl(Control* control) const;
    [[nodiscard]] int readXFromControl(Control* control);
    [[nodiscard]] int readYFromControl(Control* control);
    // Control `id` of the dialog shows (or gives) the coordinate measured from the grid origin in
    // the grid unit, y as getAxisY. Values are drawing units, not scaled to paper. 0 when the
    // dialog has no such control.
    [[nodiscard]] int writeXToDialog(Dialog* dialog, int id) const;
    [[nodiscard]] int writeYToDialog(Dialog* dialog, int id) const;
    [[nodiscard]] int readXFromDialog(Dialog* dialog, int id);
    [[nodiscard]] int readYFromDialog(Dialog* dialog, int id);
    // The name of the grid's x (y) unit as the control's text.
    [[nodiscard]] int showXUnitLabel(Dialog* dialog, int id) const;
    [[nodiscard]] int showYUnitLabel(Dialog* dialog, int id) const;
    [[nodiscard]] int showXUnitLabelIn(Control* control) const;
    [[nodiscard]] int showYUnitLabelIn(Control* control) const;
    // |x - other.x| (|y - other.y|) as a percentage of base.
    [[nodiscard]] int showDxPercent(Dialog* dialog, int id, const Point* other, double base) const;
    [[nodiscard]] int showDyPercent(Dialog* dialog, int id, const Point* other, double base) const;
    // value * 100 / base with at most 2 decimals, cut, trailing zeros and point removed, then
    // " %": 5 of 20 shows "25 %". A base within 1e-5 of 0 shows "0 %"; a percentage with more
    // than 40 integer digits shows an empty text.
    [[nodiscard]] static int showPercent(Control* control, double base, double value);
    static void formatPercent(double base, double value, char* text, int size);

    // --- element records ---
    // [flag when withFlag] x y [z when dims is 3]: little-endian, 4-byte flag, 8-byte doubles,
    // drawing units as they are. A plane point without flag takes 16 bytes.
    [[nodiscard]] int serialize(int mode, ElementRecordBuffer& buffer, int dims, int withFlag);
    [[nodiscard]] int writeRecord(ElementRecordBuffer& buffer, int dims, int withFlag) const;
    // Fields not in the record keep their values; 0 when the buffer ends first.
    [[nodiscard]] int readRecord(ElementRecordBuffer& buffer, int dims, int withFlag);
    [[nodiscard]] static int recordSize(int dims, int withFlag) { return (withFlag ? 4 : 0) + (dims == 3 ? 24 : 16); }

    // --- drawing file ---
    // The point element: the opening tag, "x" and "y" in paper millimetres (the y axis mode does
    // not apply), the closing tag. writeXml writes the five point tags only, through the
    // document's holder for that tag; writeXmlTo writes any tag through the given writer.
    [[nodiscard]] int writeXml(XmlContext* writer, int tag);
    [[nodiscard]] int writeXmlTo(XmlContext* writer, int tag) const;
    // Reads "x" and "y" (paper millimetres) up to the closing tag endTag of the current XML
    // context (readXmlFrom: of the given reader); other tags skip their line. 0 at an unreadable
    // number, a missing closing tag or the end of the file.
    [[nodiscard]] int readXmlFrom(XmlContext* reader, int endTag);
    [[nodiscard]] int readXml(int endTag);

    DrawingOwner* owner = nullptr;  // not owned
    int32_t state1 = 1;               // kept for the elements and tools that own the point
    int32_t state2 = 1;
    XmlContext* xmlLink = nullptr;  // the file being read or written, for one read or write
};
