#pragma once
#include "geometry/EntityAttribute.h"

class ElementRecordBuffer;
class XmlContext;

// The ruled lines across a box: `horizontal` lines counted with the top and bottom edges, evenly
// spaced from the start corner's y to the end corner's y, and `vertical` lines counted with the
// left and right edges. 2 and 2 is a plain rectangle; a count below 2 takes the stroked outline
// away and draws that direction's lines including the outer ones (BoxShape).
//
// Every way in (file, record, setter) clamps a count to 0..kMaxCount, so that no stored value can
// make a redraw draw millions of lines. Record image: horizontal, vertical (int32 each). Drawing
// file: the block "boxRules" holding "horizontal" and "vertical".
class BoxRules : public EntityAttribute {
public:
    static constexpr int kMaxCount = 1000;

    [[nodiscard]] static int clampCount(long long n) { return n < 0 ? 0 : n > kMaxCount ? kMaxCount : static_cast<int>(n); }
    void set(long long h, long long v)
    {
        horizontal = clampCount(h);
        vertical = clampCount(v);
    }
    // Takes the chosen counts of the source; without a source nothing changes. Always 1.
    int copyFrom(const BoxRules* source, int takeHorizontal = 1, int takeVertical = 1);
    void reset() { horizontal = vertical = 2; }

    // Mode 1 appends both counts, mode 3 reads them back (clamped); other modes 0. A record cut
    // short answers 0 and leaves the counts as they were.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    [[nodiscard]] int writeXml(XmlContext* d) const;
    // The rest of the block up to its closing tag. A count outside 0..kMaxCount is clamped and
    // reported as a data error of the block; the read goes on.
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;

    int horizontal = 2;
    int vertical = 2;
};
