#include "document/ElementMaskIndex.h"

#include <algorithm>
#include <cmath>

#include "geometry/DoubleRect.h"
#include "geometry/FontAttributes.h"
#include "geometry/Point.h"

ElementMaskIndex::ElementMaskIndex()
{
    for (int scale = 1; scale <= kScales; ++scale)
        buildThresholds(scale, 60.0, 300.0);
}

// t0 = low, five steps of a sixth of the span added one after the other, t6 = high. The sums
// come out as whole numbers for 60 and 300 (the step is exactly 40).
void ElementMaskIndex::buildThresholds(int scale, double low, double high)
{
    double* t = thresholds[scale - 1];
    t[0] = low;
    for (int k = 1; k < kThresholds - 1; ++k)
        t[k] = t[k - 1] + (high - low) * 0.16666666666666666;
    t[kThresholds - 1] = high;
}

// Looking for the band of low, then for the band of high from the same threshold on: the walk
// stops at the first threshold that high does not pass, so [100, 100] is band 1 alone. A value
// beyond every threshold (or one that compares false, as NaN does) falls in band 7.
int ElementMaskIndex::maskOfRange(double low, double high, int scale) const
{
    if (scale < 1 || scale > kScales)
        return 0;
    const double* t = thresholds[scale - 1];
    int mask = 0;
    bool lookingForHigh = false;
    for (int i = 0; i < kThresholds; ++i) {
        if (!lookingForHigh) {
            if (!(low <= t[i]))
                continue;
            mask |= 1 << i;
            lookingForHigh = true;
        }
        if (high <= t[i])
            return mask;
        mask |= 1 << (i + 1);
    }
    return mask | 0x80;
}

int ElementMaskIndex::reach(int id)
{
    if (id < 1)
        return 0;
    const int n = id + 1;
    const unsigned char noMask = 0;
    const int32_t noPage = 0;
    for (GlobalBlock& block : masks) {
        if (block.count < n && (!block.reserve(n) || !block.resizeFilled(n, &noMask)))
            return 0;
    }
    const double unset[kExtentWords] = {};
    if (extents.count < n && (!extents.reserve(n) || !extents.resizeFilled(n, unset)))
        return 0;
    return pages.count >= n || (pages.reserve(n) && pages.resizeFilled(n, &noPage));
}

int ElementMaskIndex::reserveIds(int n)
{
    int ok = extents.reserve(n + 1, 0) && pages.reserve(n + 1, 0);
    for (GlobalBlock& block : masks)
        ok = block.reserve(n + 1, 0) && ok;
    return ok;
}

int ElementMaskIndex::setElement(int id, const Point& first, const Point& second, int page, double viewScale,
                                 double drawingScale, const ThinInk* thin, const MeasuredRun* run)
{
    if (!reach(id))
        return 0;
    double old[kExtentWords];
    if (extents.get(id, old) && old[4] == 1.0) {
        joinChanged(old, id);
        count(old, -1);
    }
    marksExtents.erase(id);
    if (thin)
        thinInk.set(id, *thin);
    else
        thinInk.erase(id);
    const double from[kScales] = {first.x, first.y, first.z};
    const double to[kScales] = {second.x, second.y, second.z};
    int32_t pageWord = page;
    int ok = pages.put(id, &pageWord);
    for (int s = 0; s < kScales; ++s) {
        if (!scaleOn[s])
            continue;
        // The corners may come in any order.
        const double low = from[s] < to[s] ? from[s] : to[s];
        const double high = from[s] < to[s] ? to[s] : from[s];
        const unsigned char mask = static_cast<unsigned char>(maskOfRange(low, high, s + 1));
        ok = masks[s].put(id, &mask) && ok;
    }
    const double extent[kExtentWords] = {first.x < second.x ? first.x : second.x, first.y < second.y ? first.y : second.y,
                                         first.x < second.x ? second.x : first.x, first.y < second.y ? second.y : first.y,
                                         1.0, viewScale, drawingScale};
    if (extents.put(id, extent))
        count(extent, 1);
    else
        ok = 0;
    keepMeasured(id, extent, run);
    joinChanged(extent, id);
    if (id > highest)
        highest = id;
    noteStored(id, page);
    return ok;
}

int ElementMaskIndex::remeasured(int id, const Point& first, const Point& second, double viewScale,
                                 double drawingScale, const MeasuredRun* run)
{
    double old[kExtentWords];
    if (id < 1 || !extents.get(id, old) || old[4] != 1.0)
        return 0;
    const double extent[kExtentWords] = {first.x < second.x ? first.x : second.x, first.y < second.y ? first.y : second.y,
                                         first.x < second.x ? second.x : first.x, first.y < second.y ? second.y : first.y,
                                         1.0, viewScale, drawingScale};
    marksExtents.erase(id);
    if (!extents.put(id, extent))
        return 0;
    count(old, -1);
    count(extent, 1);
    keepMeasured(id, extent, run);
    noteStored(id, pageOf(id));
    return 1;
}

void ElementMaskIndex::keepMeasured(int id, const double* extent, const MeasuredRun* run)
{
    if (!run || !(extent[5] > 0.0)) {
        measured.erase(id);
        return;
    }
    Measured kept;
    kept.extent.set(extent[1], extent[0], extent[2], extent[3]);
    kept.viewScale = extent[5];
    kept.run = *run;
    measured.set(id, kept);
}

int ElementMaskIndex::holdsAt(int id, double viewScale)
{
    double extent[kExtentWords];
    if (id < 1 || !extents.get(id, extent) || extent[4] != 1.0 || (extent[5] != 0.0 && extent[5] != viewScale))
        return 0;
    return extent[7] == 1.0 ? 2 : 1;
}

// A glyph of the widest line, at font height h pixels, is a·h pixels wide give or take the slack
// s (hinting rounds each advance on its own), a being its width at a height of one pixel. The
// measure at h0 gave P0 >= h0·Σa - n·s for n glyphs, so at h1 the line takes at most
// P1 <= (P0 + n·s)·h1/h0 + n·s pixels. The font was made at h0 from the size in whole pixels e0
// (cut toward zero), so the size itself lay below e0 + 1, and at the new scale below
// (e0 + 1) times the ratio of the scales: h1 is at most the height made from that. The slack
// holds a synthesized bold's widening too.
int ElementMaskIndex::boundAt(int id, double viewScale, double drawingScale, DoubleRect& out)
{
    const Measured* kept = measured.find(id);
    double extent[kExtentWords];
    if (!kept || !(viewScale > 0.0) || id < 1 || !extents.get(id, extent) || extent[4] != 1.0 ||
        extent[6] == 0.0 || extent[6] != drawingScale)
        return 0;
    const MeasuredRun& run = kept->run;
    if (!(run.width >= 0.0) || !(run.glyphs >= 0.0) || !(run.emPixels >= 0.0))
        return 0;
    const double h0 = FontAttributes::pixelHeightFor(run.emPixels);
    const double h1 = FontAttributes::pixelHeightFor((run.emPixels + 1.0) * kept->viewScale / viewScale + 1e-3);
    // A font of a few pixels is no longer drawn to scale (a glyph takes a pixel or more whatever
    // its width); a text that small or measured that small is measured.
    if (h0 < kBoundFromPixels || h1 < kBoundFromPixels)
        return 0;
    const double slack = kGlyphSlackPixels * run.glyphs;
    // One pixel more for the ends of the line.
    const double pixels = (run.width / kept->viewScale + slack) * h1 / h0 + slack + 1.0;
    const double grow = std::fmax(0.0, pixels * viewScale - run.width);
    if (!std::isfinite(grow))
        return 0;
    out.set(kept->extent.minY - grow, kept->extent.minX - grow, kept->extent.maxX + grow, kept->extent.maxY + grow);
    return 1;
}

int ElementMaskIndex::keepBound(int id, const DoubleRect& box, double viewScale)
{
    double old[kExtentWords];
    if (id < 1 || !extents.get(id, old) || old[4] != 1.0)
        return 0;
    const double extent[kExtentWords] = {box.minX, box.minY, box.maxX, box.maxY, 1.0, viewScale, old[6], 1.0};
    marksExtents.erase(id);
    if (!extents.put(id, extent))
        return 0;
    count(old, -1);
    count(extent, 1);
    noteStored(id, pageOf(id));
    return 1;
}

void ElementMaskIndex::joinChanged(const double* extent, int id)
{
    // An extent that is not finite says nothing about where the element lies (and draws nothing).
    for (int i = 0; i < 4; ++i)
        if (!std::isfinite(extent[i]))
            return;
    if (!partsKept) {
        partsDropped = 1;
    } else if (!partsDropped && changedParts.size() < kMaxChangedParts) {
        ChangedPart part;
        part.extent.set(extent[1], extent[0], extent[2], extent[3]);
        const ThinInk* thin = thinInk.find(id);
        part.thin = thin ? static_cast<int>(changedThin.size()) : -1;
        if (thin)
            changedThin.push_back(*thin);
        changedParts.push_back(part);
    } else if (!partsDropped) {
        partsDropped = 1;
        changedParts.clear();
        changedThin.clear();
    }
    if (changedCount++ == 0) {
        for (int i = 0; i < 4; ++i)
            changed[i] = extent[i];
        return;
    }
    changed[0] = std::fmin(changed[0], extent[0]), changed[1] = std::fmin(changed[1], extent[1]);
    changed[2] = std::fmax(changed[2], extent[2]), changed[3] = std::fmax(changed[3], extent[3]);
}

int ElementMaskIndex::takeChangedArea(DoubleRect& out, std::vector<DoubleRect>* parts, double viewScale)
{
    if (parts)
        parts->clear();
    if (changedCount == 0)
        return 0;
    out.set(changed[1], changed[0], changed[2], changed[3]);
    if (parts && !partsDropped && !changedParts.empty()) {
        parts->reserve(changedParts.size());
        for (const ChangedPart& part : changedParts) {
            const DoubleRect box = inkBox(part.extent, part.thin >= 0 ? &changedThin[part.thin] : nullptr, viewScale);
            if (parts->empty())
                out = box;
            out.set(std::fmin(out.minY, box.minY), std::fmin(out.minX, box.minX), std::fmax(out.maxX, box.maxX),
                    std::fmax(out.maxY, box.maxY));
            parts->push_back(box);
        }
    }
    forgetChangedArea();
    return 1;
}

void ElementMaskIndex::count(const double* extent, int sign)
{
    for (int i = 0; i < 4; ++i)
        if (!std::isfinite(extent[i]))
            return;
    registered += sign;
    if (extent[5] == 0.0)
        return;
    measuredOnView += sign;
    int& atScale = measuredAt[extent[5]];
    atScale += sign;
    if (atScale == 0)
        measuredAt.erase(extent[5]);
}

int ElementMaskIndex::heldAt(double viewScale) const
{
    const auto found = viewScale != 0.0 ? measuredAt.find(viewScale) : measuredAt.end();
    return registered - measuredOnView + (found != measuredAt.end() ? found->second : 0);
}

DoubleRect ElementMaskIndex::inkBox(const DoubleRect& extent, const ThinInk* thin, double viewScale)
{
    return thin && viewScale > 0.0 && viewScale >= thin->fromViewScale ? thin->box : extent;
}

int ElementMaskIndex::inkExtentOf(int id, double viewScale, DoubleRect& out)
{
    if (!extentOf(id, out))
        return 0;
    if (const ThinInk* thin = thinInk.find(id))
        out = inkBox(out, thin, viewScale);
    return 1;
}

void ElementMaskIndex::forgetChangedArea()
{
    changedCount = 0;
    changedParts.clear();
    changedThin.clear();
    partsDropped = 0;
}

int ElementMaskIndex::clearElement(int id)
{
    if (id < 1 || id >= pages.count)
        return 0;
    const unsigned char none = 0;
    double old[kExtentWords];
    const int wasSet = extents.get(id, old) && old[4] == 1.0;
    if (wasSet)
        joinChanged(old, id);
    thinInk.erase(id);
    marksExtents.erase(id);
    measured.erase(id);
    const double unset[kExtentWords] = {};
    int ok = extents.put(id, unset);
    if (ok && wasSet)
        count(old, -1);
    for (int s = 0; s < kScales; ++s) {
        if (scaleOn[s])
            ok = masks[s].put(id, &none) && ok;
    }
    return ok;
}

namespace {
// The rectangle of a stored extent; 0 for a damaged element's, which says nothing about where it
// lies.
int finiteExtent(const double* extent, DoubleRect& out)
{
    for (int i = 0; i < 4; ++i)
        if (!std::isfinite(extent[i]))
            return 0;
    out.set(extent[1], extent[0], extent[2], extent[3]);
    return 1;
}
} // namespace

int ElementMaskIndex::extentOf(int id, DoubleRect& out)
{
    double extent[kExtentWords];
    if (id < 1 || !extents.get(id, extent) || extent[4] != 1.0)
        return 0;
    return finiteExtent(extent, out);
}

int ElementMaskIndex::currentExtentOf(int id, double viewScale, double drawingScale, DoubleRect& out)
{
    double extent[kExtentWords];
    if (id < 1 || !extents.get(id, extent) || extent[4] != 1.0 || (extent[5] != 0.0 && extent[5] != viewScale) ||
        extent[6] == 0.0 || extent[6] != drawingScale || extent[7] == 1.0)
        return 0;
    return finiteExtent(extent, out);
}

int ElementMaskIndex::keepMarksExtent(int id, const DoubleRect& box, int filled, double viewScale,
                                      double drawingScale)
{
    double extent[kExtentWords];
    if (id < 1 || !extents.get(id, extent) || extent[4] != 1.0)
        return 0;
    marksExtents.set(id, MarksExtent{box, viewScale, drawingScale, filled});
    return 1;
}

int ElementMaskIndex::marksExtentOf(int id, double viewScale, double drawingScale, DoubleRect& out, int& filled) const
{
    const MarksExtent* kept = marksExtents.find(id);
    if (!kept || kept->viewScale != viewScale || kept->drawingScale != drawingScale)
        return 0;
    out = kept->box;
    filled = kept->filled;
    return 1;
}

void ElementMaskIndex::prefetchAhead(const std::vector<int>& ids, size_t i)
{
    constexpr size_t kAhead = 12;
    if (i + kAhead >= ids.size())
        return;
    const int id = ids[i + kAhead];
    if (const char* base = static_cast<const char*>(extents.lock())) {
        if (id >= 1 && id < extents.count)
            __builtin_prefetch(base + static_cast<size_t>(id) * kExtentWords * sizeof(double));
        extents.unlock();
    }
}

int ElementMaskIndex::maskOf(int id, int scale)
{
    unsigned char mask = 0;
    if (scale < 1 || scale > kScales || !masks[scale - 1].get(id, &mask))
        return 0;
    return mask;
}

int ElementMaskIndex::pageOf(int id)
{
    int32_t page = 0;
    return pages.get(id, &page) ? page : 0;
}

int ElementMaskIndex::query(int mask1, int mask2, int mask3, int page, GlobalBlock& out)
{
    out.count = 0;
    const int last = highest < pages.count - 1 ? highest : pages.count - 1;
    if (last < 1)
        return 0;
    const int wanted[kScales] = {mask1, mask2, mask3};
    BlockLock pageData(pages);
    BlockLock x(masks[0]), y(masks[1]), z(masks[2]);
    if (!pageData || !x || !y || !z)
        return 0;
    const unsigned char* axis[kScales] = {x.data<unsigned char>(), y.data<unsigned char>(), z.data<unsigned char>()};
    const int32_t* pageOfId = pageData.data<int32_t>();
    for (int32_t id = 1; id <= last; ++id) {
        if (pageOfId[id] != page)
            continue;
        bool match = true;
        for (int s = 0; s < kScales && match; ++s)
            match = !scaleOn[s] || (axis[s][id] & wanted[s]) != 0;
        if (match && !out.append(&id))
            break;
    }
    return out.count;
}

// --- the grids of the pages' extents ---

void ElementMaskIndex::noteStored(int id, int page)
{
    if (page < 1 || page >= static_cast<int>(grids.size()) || !grids[page].built)
        return;
    if (static_cast<int>(changedOn.size()) <= id)
        changedOn.resize(static_cast<size_t>(id) + 1, 0);
    if (changedOn[id] == page)
        return;
    PageGrid& g = grids[page];
    changedOn[id] = page;
    g.changed.push_back(id);
    const size_t limit = std::max<size_t>(256, static_cast<size_t>(g.grid.itemCount()) / 8);
    if (g.changed.size() > limit) {
        forgetChanged(page);
        g.built = 0;
        g.grid.clear();
    }
}

void ElementMaskIndex::forgetChanged(int page)
{
    PageGrid& g = grids[page];
    for (int id : g.changed)
        if (changedOn[id] == page)
            changedOn[id] = 0;
    g.changed.clear();
}

void ElementMaskIndex::dropGrids()
{
    grids.clear();
    changedOn.clear();
}

void ElementMaskIndex::buildGrid(int page)
{
    PageGrid& g = grids[page];
    forgetChanged(page);
    std::vector<ExtentGrid::Item> items;
    const int last = highest < pages.count - 1 ? highest : pages.count - 1;
    BlockLock pageData(pages), extentData(extents);
    if (last >= 1 && pageData && extentData) {
        const int32_t* pageOfId = pageData.data<int32_t>();
        const double* extent = extentData.data<double>();
        for (int id = 1; id <= last; ++id) {
            const double* e = extent + static_cast<size_t>(id) * kExtentWords;
            if (pageOfId[id] == page && e[4] == 1.0 && std::isfinite(e[0]) && std::isfinite(e[1]) &&
                std::isfinite(e[2]) && std::isfinite(e[3]))
                items.push_back({id, e[0], e[1], e[2], e[3]});
        }
    }
    g.grid.build(items);
    g.built = 1;
}

int ElementMaskIndex::queryExtents(const DoubleRect& box, int page, std::vector<int>& out)
{
    return queryExtentsUpTo(box, page, SIZE_MAX, out);
}

int ElementMaskIndex::queryExtentsUpTo(const DoubleRect& box, int page, size_t limit, std::vector<int>& out)
{
    out.clear();
    if (page < 1)
        return 0;
    if (static_cast<int>(grids.size()) <= page)
        grids.resize(static_cast<size_t>(page) + 1);
    if (!grids[page].built)
        buildGrid(page);
    const PageGrid& g = grids[page];
    if (limit != SIZE_MAX && g.grid.filedCount(box.minX, box.minY, box.maxX, box.maxY) > limit)
        return -1;
    // Each against what it registered last: the grid holds where it was at the grid's making.
    BlockLock pageData(pages), extentData(extents);
    if (!pageData || !extentData)
        return 0;
    const int32_t* pageOfId = pageData.data<int32_t>();
    const double* extent = extentData.data<double>();
    auto meets = [&](int id) {
        if (id < 1 || id >= pages.count || id >= extents.count || pageOfId[id] != page)
            return false;
        const double* e = extent + static_cast<size_t>(id) * kExtentWords;
        return e[4] == 1.0 && e[0] <= box.maxX && e[2] >= box.minX && e[1] <= box.maxY && e[3] >= box.minY;
    };
    std::vector<int> nearby;
    g.grid.query(box.minX, box.minY, box.maxX, box.maxY, nearby);
    nearby.erase(std::remove_if(nearby.begin(), nearby.end(), [&](int id) { return !meets(id); }), nearby.end());
    // The ids stored since: those that meet the box now.
    for (int id : g.changed)
        if (meets(id))
            nearby.push_back(id);
    std::sort(nearby.begin(), nearby.end());
    nearby.erase(std::unique(nearby.begin(), nearby.end()), nearby.end());
    out.swap(nearby);
    return static_cast<int>(out.size());
}

int ElementMaskIndex::insertPage(int n)
{
    dropGrids();
    BlockLock data(pages);
    if (!data)
        return 1;
    int32_t* page = data.data<int32_t>();
    for (int id = 1; id < pages.count; ++id) {
        if (page[id] >= n)
            ++page[id];
    }
    return 1;
}

int ElementMaskIndex::removePage(int n)
{
    dropGrids();
    BlockLock data(pages);
    if (!data)
        return 1;
    int32_t* page = data.data<int32_t>();
    for (int id = 1; id < pages.count; ++id) {
        if (page[id] == n)
            page[id] = 0;
        else if (page[id] > n)
            --page[id];
    }
    return 1;
}
