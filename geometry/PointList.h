#pragma once
#include <cstdint>

#include "geometry/PointArray.h"

class Control;
class XmlContext;
class DrawingOwner;
class ElementRecordBuffer;
class IntPolygon;
class ViewParams;

// The point list of a drawing element: a PointArray in drawing units that knows its drawing, with
// the same owner look-ups as DrawPoint (paper scale, grid units; fixed answers without owner). It
// writes itself into the element record buffer and the drawing file ("nums" and "xyAray" in paper
// millimetres), turns into device polygons, and builds box outlines with rounded corners and
// stroke outlines with round ends.
class PointList : public PointArray {
public:
    // Points a drawing file may announce in one list; the file's size bounds it further.
    static constexpr int kMaxFilePoints = 10000000;

    PointList() = default;

    // (x, y, z) given in paper millimetres, stored in drawing units; flag 0.
    [[nodiscard]] int appendScaled(double x, double y, double z);
    // Point i in paper millimetres; 0 when i is out of range.
    [[nodiscard]] int getScaled(int i, double* x, double* y, double* z) const;
    // Empties this list, then appends every point of the other (all four fields).
    [[nodiscard]] int copyPoints(const PointArray* other);

    // --- element records ---
    // A 4-byte count, then each point as a DrawPoint record with these dims and withFlag.
    [[nodiscard]] int serialize(int mode, ElementRecordBuffer& buffer, int dims, int withFlag);
    [[nodiscard]] int writeRecords(ElementRecordBuffer& buffer, int dims, int withFlag) const;
    // Empties the list, then reads the announced points; a count below 1 reads nothing. Stops
    // with 0 at the first record that is not there, keeping the points read so far.
    [[nodiscard]] int readRecords(ElementRecordBuffer& buffer, int dims, int withFlag);

    // --- views ---
    // The device polygon of the points for element operation op, moved by (dx, dy) in drawing
    // units; a point that falls on the same pixel as the one before is left out. 0 without a
    // view or polygon.
    [[nodiscard]] int toDevicePolygon(ViewParams* view, int op, IntPolygon* polygon) const;
    [[nodiscard]] int toDevicePolygonOffset(ViewParams* view, double dx, double dy, int op, IntPolygon* polygon) const;
    [[nodiscard]] int toDevicePolygonReversed(ViewParams* view, int op, IntPolygon* polygon) const;

    // --- outlines ---
    // Walks a window of indices: direction >= 0 takes *lo and moves it up (0 once it reaches
    // *hi); direction < 0 moves *hi down and takes it (0 once it falls below *lo). The index
    // wraps once around the list. The point goes into out.
    [[nodiscard]] int stepAround(int direction, int* lo, int* hi, Point* out) const;
    // The outline of the box of two corners with the corner radii rightTop, leftTop, leftBottom,
    // rightBottom (radii[0..3]; a negative radius cuts a notch). Without radii, or all four
    // within 1e-5 of 0, the plain closed box of five points. A radius below 0.01 or above the
    // smaller side leaves its corner sharp.
    [[nodiscard]] int setRoundedBox(const Point* p1, const Point* p2, const double* radii);
    // The closed outline of a stroke (its two sides, out along one and back along the other)
    // with a round end at the start and at the end where the cap flag is nonzero.
    [[nodiscard]] int setRoundCappedOutline(int startCap, int endCap, const PointArray* outline);
    // With flag nonzero: 17 points turning outline[i] about the middle of outline[i] and
    // outline[i + 1] by 10, 20 ... 170 degrees.
    [[nodiscard]] int appendRoundCap(int flag, const PointArray* outline, int i);
    // Adds (dx * f / 2, dy * f / 2, 0) to the n points from i; indices past the end are skipped.
    void shiftPoints(int i, int n, double dx, double dy, double f);

    // --- dialogs ---
    [[nodiscard]] double toGridUnitX(double v) const;
    [[nodiscard]] double toGridUnitY(double v) const;
    [[nodiscard]] double fromGridUnitX(double v) const;
    [[nodiscard]] double fromGridUnitY(double v) const;
    // Point i's coordinate in the grid unit of that axis; 0 when the control is missing (or does
    // not take the number) or i is out of range.
    [[nodiscard]] int writeXToControl(Control* control, int i) const;
    [[nodiscard]] int writeYToControl(Control* control, int i) const;
    [[nodiscard]] int readXFromControl(Control* control, int i);
    [[nodiscard]] int readYFromControl(Control* control, int i);

    // --- drawing file ---
    // The list element: the opening tag, "nums" with the count, "xyAray" around one line of
    // x,y pairs in paper millimetres (the line may wrap after a y value), the closing tag.
    [[nodiscard]] int writeXml(XmlContext* writer, int tag) const;
    // Writes through the document's point-list holder, which keeps the last list written.
    [[nodiscard]] int writeXmlWithWord(XmlContext* link, int tag);
    // Reads "nums" and then "xyAray" of the current XML context up to the closing tag endTag.
    // 0 when there is no reader, a value or closing tag cannot be read, or the list holds fewer
    // numbers than "nums" announced; a count the file cannot hold is a data error.
    [[nodiscard]] int readXml(int endTag);

    DrawingOwner* owner = nullptr;  // not owned
    XmlContext* xmlLink = nullptr;  // the file being read or written, for one read or write
    int32_t expectedCount = 0;        // points announced by "nums" while reading
};
