#pragma once
#include "geometry/EntityAttribute.h"

class Dialog;
class DrawingOwner;
class ElementRecordBuffer;
class XmlContext;

// The four corner radii of a box, paper-independent drawing units (millimetres), by index:
// 0 right-top, 1 left-top, 2 left-bottom, 3 right-bottom ("top" is the smaller y). 0 leaves a
// corner sharp, a negative radius cuts a notch; a radius above the box's smaller side leaves the
// corner sharp (PointList::setRoundedBox).
//
// Record image: the four radii (doubles) in index order. Drawing file: the block "boxRound" with
// "rightTop", "leftTop", "leftBottom" and the fourth radius, whose tag id the dictionary names
// "roundAray" (both that name and "rightBottom" read back into it).
class CornerRounding : public EntityAttribute {
public:
    enum Corner : int { kRightTop = 0, kLeftTop = 1, kLeftBottom = 2, kRightBottom = 3 };

    void clear() { radii[0] = radii[1] = radii[2] = radii[3] = 0.0; }
    // Index outside 0..3: nothing set, 0 read.
    void setRadius(int i, double value)
    {
        if (i >= 0 && i < 4)
            radii[i] = value;
    }
    [[nodiscard]] double radius(int i) const { return i >= 0 && i < 4 ? radii[i] : 0.0; }
    [[nodiscard]] int isAllNearlyZero() const;
    // Takes the radii whose flag is set (four flags in index order; null takes all four);
    // without a source nothing changes. Always 1.
    int copyFrom(const CornerRounding* source, const int* take = nullptr);

    // Mode 1 appends the four radii, mode 3 reads them back; other modes 0. A record cut short
    // answers 0 and leaves the radii as they were.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    [[nodiscard]] int writeXml(XmlContext* d) const;
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;

    // One radius into (out of) the real-number control of the box dialog that shows it, in the
    // grid's x unit of `owner` (millimetres without one). 0 for a missing control, the radius
    // then unchanged. The controls: 15652 left-top, 15653 right-top, 15654 left-bottom,
    // 15655 right-bottom.
    static constexpr int kFirstControl = 15652;
    [[nodiscard]] int showInDialog(Dialog* dialog, int controlId) const;
    [[nodiscard]] int takeFromDialog(Dialog* dialog, int controlId);

    double radii[4] = {0.0, 0.0, 0.0, 0.0};
    DrawingOwner* owner = nullptr; // not owned; set only while a dialog converts
};
