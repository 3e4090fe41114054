#pragma once
#include <cstdint>

#include "platform/GlobalBlock.h"

class DocumentContext;
class DoubleRect;
class Point;

// A coarse spatial index of a drawing's elements, kept beside the element store: for each element
// id its page and, per coordinate axis, an 8-bit mask of the bands its extent covers. A pick or a
// selection rectangle asks it for candidates, so that only those are loaded and tested exactly.
//
// Each axis (scale 1, 2, 3 for x, y, z; z is off) is cut by seven thresholds t0..t6 into eight
// bands: bit 0 holds values <= t0, bit k values in (t(k-1), t(k)], bit 7 values above t6. The
// thresholds are 60, 100, 140, 180, 220, 260 and 300 drawing units on every axis.
//
// Entries are never removed: a deleted element's masks are cleared to 0, so it never matches,
// and an id given out again gets a fresh entry when its new element is stored. The masks live
// only in memory.
//
// Beside the masks it keeps the exact extent each element registered when it was stored, so that
// a page redraw can pass over an element that misses the area being redrawn without reading its
// record. Clearing an id forgets its extent.
class ElementMaskIndex {
public:
    static constexpr int kScales = 3;
    static constexpr int kThresholds = 7;

    ElementMaskIndex();
    virtual ~ElementMaskIndex() = default;
    ElementMaskIndex(const ElementMaskIndex&) = delete;
    ElementMaskIndex& operator=(const ElementMaskIndex&) = delete;

    virtual void setOwner(DocumentContext* context) { owner = context; }

    // Stores the page and, for each axis that is on, the mask of the extent between the two
    // corners. 0 when an array could not grow (the entry is then left as it was).
    [[nodiscard]] int setElement(int id, const Point& first, const Point& second, int page);
    // Masks 0 on every axis that is on; the page stays. 0 for an id never set.
    [[nodiscard]] int clearElement(int id);
    // The bands that [low, high] touches on a scale (1..3); 0 for another scale.
    [[nodiscard]] int maskOfRange(double low, double high, int scale) const;
    // Empties the list (a block of 32-bit ids) and appends, in ascending order, every id of the
    // page whose mask shares a bit with the query's on each axis that is on; the count.
    [[nodiscard]] int query(int mask1, int mask2, int mask3, int page, GlobalBlock& out);
    // Stored pages >= n grow by one (insertion after n is insertion at n + 1).
    [[nodiscard]] int insertPage(int n);
    // Stored page n becomes 0 (never asked for), larger pages shrink by one.
    [[nodiscard]] int removePage(int n);

    // The extent registered by the last setElement of an id (lower and upper corners, drawing
    // units); 0 for an id never set or cleared since.
    [[nodiscard]] int extentOf(int id, DoubleRect& out);
    // The stored masks and page of an id (0 for an id never set).
    [[nodiscard]] int maskOf(int id, int scale);
    [[nodiscard]] int pageOf(int id);
    [[nodiscard]] int highestId() const { return highest; }

    DocumentContext* owner = nullptr;
    // The axes indexed: x and y.
    int scaleOn[kScales] = {1, 1, 0};
    int highest = 0;
    int fineMode = 1; // kept with the index; nothing reads it yet

private:
    // Makes the arrays hold ids up to id (new entries 0); 0 when one cannot grow.
    [[nodiscard]] int reach(int id);
    void buildThresholds(int scale, double low, double high);

    double thresholds[kScales][kThresholds] = {};
    GlobalBlock masks[kScales] = {{5000, 1}, {5000, 1}, {5000, 1}};
    GlobalBlock pages{5000, 4};
    // Per id: minimum x and y, maximum x and y, and 1 while registered (a double, so that the
    // record stays five doubles).
    static constexpr int kExtentWords = 5;
    GlobalBlock extents{5000, kExtentWords * static_cast<int>(sizeof(double))};
};
