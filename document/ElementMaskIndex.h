#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "document/ExtentGrid.h"
#include "document/IdSlots.h"
#include "geometry/DoubleRect.h"
#include "platform/GlobalBlock.h"

class DocumentContext;
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
// record, and a click finds the elements near it without visiting the others (queryExtents).
// Clearing an id forgets its extent. An extent measured on the view (a text's, whose width
// follows the font's pixel size) carries the view's scale it was measured at, and holds at that
// scale only; the view measures it again when it draws the element at another.
//
// What stored elements changed since it was last taken (the union of the extents that were
// registered or cleared, before and after) is kept too: a change repaints that area alone. For a
// drawing shown in a window the extents themselves are kept while they are not too many, so that
// the area is that of their ink on the view (see ThinInk).
class ElementMaskIndex {
public:
    static constexpr int kScales = 3;
    static constexpr int kThresholds = 7;

    // A box the element's ink keeps within on views of at least fromViewScale drawing units per
    // pixel (Element::thinInkExtent), kept beside the exact extent for the redraws: an extent
    // whose sharp corners reach far out on a view that draws them would make every change near
    // it a change of the whole view.
    struct ThinInk {
        DoubleRect box;
        double fromViewScale = 0.0;
    };

    // A text's widest line as the view measured it: its width (drawing units), at most how many
    // glyphs it holds, and the size in whole pixels its font was asked for. A box the text keeps within
    // at another scale of the view follows from it without measuring the text again (boundAt).
    struct MeasuredRun {
        double width = 0.0;
        double glyphs = 0.0;
        double emPixels = 0.0;
    };

    ElementMaskIndex();
    virtual ~ElementMaskIndex() = default;
    ElementMaskIndex(const ElementMaskIndex&) = delete;
    ElementMaskIndex& operator=(const ElementMaskIndex&) = delete;

    virtual void setOwner(DocumentContext* context) { owner = context; }

    // Stores the page and, for each axis that is on, the mask of the extent between the two
    // corners. 0 when an array could not grow (the entry is then left as it was). viewScale: 0
    // for an extent that holds at every scale of the view, else the scale it was measured at
    // (ViewParams::lengthToPixels(1)). drawingScale: the drawing units of one paper millimetre
    // when it was measured (0: not known). The old and the new extent join the changed area.
    // thin: the element's thin ink box, null for none. run: what an extent measured on the view
    // was measured from, null for none.
    [[nodiscard]] int setElement(int id, const Point& first, const Point& second, int page, double viewScale = 0.0,
                                 double drawingScale = 0.0, const ThinInk* thin = nullptr,
                                 const MeasuredRun* run = nullptr);
    // The extent measured again at another scale of the view: as setElement, but the element did
    // not change (nothing joins the changed area). 0 for an id never set or cleared.
    [[nodiscard]] int remeasured(int id, const Point& first, const Point& second, double viewScale,
                                 double drawingScale = 0.0, const MeasuredRun* run = nullptr);
    // 1 when the registered extent holds at the view scale (it holds at every scale, or was
    // measured at this one); 2 when a box the extent keeps within at this scale was kept for it
    // (keepBound).
    [[nodiscard]] int holdsAt(int id, double viewScale);
    // A box that an extent measured with its run keeps within at this scale of the view, from its
    // last measure at another: the measured extent grown by what the widest line may gain, each
    // glyph's width following the font's pixel height give or take kGlyphSlackPixels. 0 when it
    // cannot be told (no run, no scale, the drawing's scale changed since, a font of fewer than
    // kBoundFromPixels pixels at either scale).
    [[nodiscard]] int boundAt(int id, double viewScale, double drawingScale, DoubleRect& out);
    static constexpr double kGlyphSlackPixels = 3.0;
    static constexpr int kBoundFromPixels = 4;
    // Keeps such a box as the element's registered extent at this scale of the view until it is
    // measured there: the redraws, the picks and the changed area take it (holdsAt answers 2),
    // currentExtentOf does not. 0 for an id never set or cleared.
    [[nodiscard]] int keepBound(int id, const DoubleRect& box, double viewScale);
    // The changed area since the last take (drawing units); 0 when nothing changed. forget drops
    // it (a redraw of everything). parts, when given, receives the extents the area joins, or
    // nothing when there were more than kMaxChangedParts (the area is all there is then); with
    // the parts the area is that of the ink on a view of this scale (drawing units per pixel,
    // 0: any view).
    [[nodiscard]] int takeChangedArea(DoubleRect& out, std::vector<DoubleRect>* parts = nullptr,
                                      double viewScale = 0.0);
    void forgetChangedArea();
    // The extents are kept for the parts from now on (a drawing whose changes are repainted in
    // parts); until then only their union.
    void keepChangedParts() { partsKept = 1; }
    static constexpr size_t kMaxChangedParts = 32768;
    // Room for ids up to n at once (the entries are set as the ids are); 0 when it could not grow.
    int reserveIds(int n);
    // Masks 0 on every axis that is on; the page stays. 0 for an id never set.
    [[nodiscard]] int clearElement(int id);
    // The bands that [low, high] touches on a scale (1..3); 0 for another scale.
    [[nodiscard]] int maskOfRange(double low, double high, int scale) const;
    // Empties the list (a block of 32-bit ids) and appends, in ascending order, every id of the
    // page whose mask shares a bit with the query's on each axis that is on; the count.
    [[nodiscard]] int query(int mask1, int mask2, int mask3, int page, GlobalBlock& out);
    // Empties out and appends, in ascending order, every id of the page whose registered extent
    // meets the box (touching counts); the count. A grid of the page's extents is made at the
    // first query of the page and follows setElement from then on, so a small box costs what lies
    // near it, not what the page holds.
    [[nodiscard]] int queryExtents(const DoubleRect& box, int page, std::vector<int>& out);
    // queryExtents when the grid files at most `limit` ids under the box (a cheap count first);
    // -1 with out empty otherwise, for a caller that would rather walk the page then.
    [[nodiscard]] int queryExtentsUpTo(const DoubleRect& box, int page, size_t limit, std::vector<int>& out);
    // Stored pages >= n grow by one (insertion after n is insertion at n + 1).
    [[nodiscard]] int insertPage(int n);
    // Stored page n becomes 0 (never asked for), larger pages shrink by one.
    [[nodiscard]] int removePage(int n);

    // The extent registered by the last setElement of an id (lower and upper corners, drawing
    // units); 0 for an id never set or cleared since.
    [[nodiscard]] int extentOf(int id, DoubleRect& out);
    // extentOf, or the thin ink box where it holds on a view of this scale.
    [[nodiscard]] int inkExtentOf(int id, double viewScale, DoubleRect& out);
    // extentOf, when the extent was measured at this scale of the drawing and holds at this scale
    // of the view: the element would measure the same extent now. 0 otherwise (a drawing whose
    // scale changed since keeps the extents of the scale before until its elements are stored).
    [[nodiscard]] int currentExtentOf(int id, double viewScale, double drawingScale, DoubleRect& out);
    // The box a taken element's handle marks stood on when it differs from the registered extent
    // (measured through the shape), with whether they were drawn active, kept for the next redraw
    // of the marks at the same scales of the view and the drawing; a store or clear of the id
    // drops it. keepMarksExtent answers 0 for an id not registered.
    [[nodiscard]] int keepMarksExtent(int id, const DoubleRect& box, int filled, double viewScale, double drawingScale);
    [[nodiscard]] int marksExtentOf(int id, double viewScale, double drawingScale, DoubleRect& out, int& filled) const;
    // The number of ids whose registered extent is finite and holds at this scale of the view:
    // when it is the number of live elements, every element can be found by its extent.
    [[nodiscard]] int heldAt(double viewScale) const;
    // The stored masks and page of an id (0 for an id never set).
    [[nodiscard]] int maskOf(int id, int scale);
    [[nodiscard]] int pageOf(int id);
    [[nodiscard]] int highestId() const { return highest; }
    // As ElementStore::prefetchAhead, for the extents of the ids a walk looks up in turn.
    void prefetchAhead(const std::vector<int>& ids, size_t i);

    DocumentContext* owner = nullptr;
    // The axes indexed: x and y.
    int scaleOn[kScales] = {1, 1, 0};
    int highest = 0;
    int fineMode = 1; // kept with the index; nothing reads it yet

private:
    // Makes the arrays hold ids up to id (new entries 0); 0 when one cannot grow.
    [[nodiscard]] int reach(int id);
    void buildThresholds(int scale, double low, double high);
    // The grid of a page, and the ids stored since it was made (they are looked at one by one);
    // beyond a share of the grid's size the grid is made again at the next query.
    struct PageGrid {
        ExtentGrid grid;
        int built = 0;
        std::vector<int> changed;
    };
    void buildGrid(int page);
    void noteStored(int id, int page);
    void forgetChanged(int page);
    void dropGrids();

    double thresholds[kScales][kThresholds] = {};
    GlobalBlock masks[kScales] = {{5000, 1}, {5000, 1}, {5000, 1}};
    GlobalBlock pages{5000, 4};
    // Per id: minimum x and y, maximum x and y, 1 while registered (a double, so that the record
    // stays doubles), the view scale the extent was measured at (0: every scale), the drawing
    // scale it was measured at (0: not known) and 1 for a box kept by keepBound.
    static constexpr int kExtentWords = 8;
    // The changed area: its corners, and the number of extents joined (0: none).
    double changed[4] = {};
    int changedCount = 0;
    struct ChangedPart {
        DoubleRect extent;
        int thin; // its thin ink box in changedThin, -1 for none
    };
    std::vector<ChangedPart> changedParts;
    std::vector<ThinInk> changedThin;
    int partsDropped = 0;
    int partsKept = 0;
    void joinChanged(const double* extent, int id);
    // The box of an extent on a view of this scale: the thin ink box where one holds.
    static DoubleRect inkBox(const DoubleRect& extent, const ThinInk* thin, double viewScale);
    IdSlots<ThinInk> thinInk;
    struct MarksExtent {
        DoubleRect box;
        double viewScale;
        double drawingScale;
        int filled;
    };
    IdSlots<MarksExtent> marksExtents;
    // The last extent measured with a run, and the view scale it was measured at.
    struct Measured {
        DoubleRect extent;
        double viewScale;
        MeasuredRun run;
    };
    IdSlots<Measured> measured;
    void keepMeasured(int id, const double* extent, const MeasuredRun* run);
    // The finite registered extents: all, those measured on a view, and those by the view scale
    // they were measured at. sign: 1 for an extent registered, -1 for one that goes.
    void count(const double* extent, int sign);
    int registered = 0;
    int measuredOnView = 0;
    std::unordered_map<double, int> measuredAt;
    GlobalBlock extents{5000, kExtentWords * static_cast<int>(sizeof(double))};
    std::vector<PageGrid> grids; // by page
    std::vector<int> changedOn;  // by id: the page whose changed list holds it, 0 for none
};
