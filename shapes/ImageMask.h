#pragma once
#include "geometry/EntityAttribute.h"
#include "geometry/PointList.h"

class ElementRecordBuffer;
class XmlContext;

// The mask shape of a picture: the code is the BezierPath creation method that draws it (4 box,
// 3 oval, 6 triangle, 7 rhombus, 2 freehand area, 8 polygon); the variant chooses the dialog
// (1 all six shapes, 0 box and oval only).
struct MaskType {
    int code = 4;
    int variant = 1;
};

// A picture's mask ("mask"): its shape and its outline, the control points of a closed cubic
// Bezier path (a first point, then triples), stored relative to the picture's start corner. An
// outline of fewer than 4 points is no mask: it is not drawn and not written.
class ImageMask : public EntityAttribute {
public:
    [[nodiscard]] int copyFrom(const ImageMask* other);
    // 1 when the outline makes a mask: at least 4 points.
    [[nodiscard]] int isActive() const { return outline.count >= 4; }
    // 1 when the outline is whole segments: 3n + 1 points, n >= 1.
    [[nodiscard]] int isWholePath() const { return outline.count >= 4 && (outline.count - 1) % 3 == 0; }

    // Inside "mask" only "listXY" is read, into the outline; other tags are skipped.
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;
    // "mask" around the outline's "listXY"; nothing (1) for an inactive outline.
    [[nodiscard]] int writeXml(XmlContext& file);
    // The shape code, then the outline (count and x, y of each point). Mode 1 writes, 3 reads.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    // The outline scaled by (sx, sy): the mask follows a resize of the picture's box. Factors
    // measured from the box's corners hold only to the corners' rounding (noiseX, noiseY,
    // relative), which on a box narrow beside its coordinates reaches the thirteenth digit: a
    // scaled value within that of a decimal of at most 9 significant digits is taken as that
    // decimal, so that a point at 80 scaled by a measured 0.00099999999999987 is 0.08, which
    // the file (cutting to 5 decimals) keeps as it is. A factor of 1 leaves its axis as it is.
    void scaleOutline(double sx, double sy, double noiseX = 0.0, double noiseY = 0.0);

    MaskType type;
    PointList outline;
};
