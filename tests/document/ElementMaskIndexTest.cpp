// The element mask index: the bands of an interval, queries by page and masks, page renumbering.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <vector>

#include "document/ElementMaskIndex.h"
#include "geometry/DoubleRect.h"
#include "geometry/Point.h"
#include "tests/support/TestApplication.h"

namespace {

std::vector<int> bitsOf(int mask)
{
    std::vector<int> bits;
    for (int i = 0; i < 8; ++i)
        if (mask & (1 << i))
            bits.push_back(i);
    return bits;
}

std::vector<int> found(ElementMaskIndex& index, double x1, double y1, double x2, double y2, int page)
{
    GlobalBlock out(10, 4);
    const int n = index.query(index.maskOfRange(x1, x2, 1), index.maskOfRange(y1, y2, 2), 0xFF, page, out);
    std::vector<int> ids;
    for (int i = 0; i < n; ++i) {
        int32_t id = 0;
        EXPECT_TRUE(out.get(i, &id));
        ids.push_back(id);
    }
    return ids;
}

TEST(ElementMaskIndex, AnIntervalSetsTheBandsItTouches)
{
    struct Case {
        double low, high;
        std::vector<int> bits;
    };
    // Bands: 0 up to 60, then (60, 100], (100, 140] ... (260, 300], and 7 above 300.
    const Case cases[] = {
        {50, 120, {0, 1, 2}},
        {310, 400, {7}},
        {100, 100, {1}},
        {150, 170, {3}},
        {0, 100, {0, 1}},
        {0, 1000, {0, 1, 2, 3, 4, 5, 6, 7}},
        {60, 60, {0}},
        {60.000001, 60.000001, {1}},
        {300, 300, {6}},
        {-1e300, -5, {0}},
        {290, 1e300, {6, 7}},
    };
    ElementMaskIndex index;
    for (const Case& c : cases) {
        for (int scale = 1; scale <= 3; ++scale)
            EXPECT_EQ(bitsOf(index.maskOfRange(c.low, c.high, scale)), c.bits) << c.low << ".." << c.high;
    }
    EXPECT_EQ(index.maskOfRange(0, 10, 4), 0);
}

TEST(ElementMaskIndex, QueriesFindTheCandidatesOfAPageInAscendingOrder)
{
    TestApplication app;
    ElementMaskIndex index;
    EXPECT_TRUE(found(index, 0, 0, 1000, 1000, 1).empty()) << "an empty index answers nothing";
    ASSERT_EQ(index.setElement(3, Point(150, 10), Point(170, 20), 1), 1); // band 3 of x only
    ASSERT_EQ(index.setElement(1, Point(1000, 1000), Point(0, 0), 1), 1); // every band, corners reversed
    ASSERT_EQ(index.setElement(2, Point(20, 20), Point(30, 30), 2), 1);
    EXPECT_EQ(bitsOf(index.maskOf(3, 1)), (std::vector<int>{3}));
    EXPECT_EQ(index.maskOf(1, 2), 0xFF);
    EXPECT_EQ(index.maskOf(1, 3), 0) << "z is not indexed";

    EXPECT_EQ(found(index, 0, 0, 100, 100, 1), (std::vector<int>{1})) << "0..100 misses 150..170";
    EXPECT_EQ(found(index, 140.5, 0, 160, 100, 1), (std::vector<int>{1, 3}));
    EXPECT_EQ(found(index, 500, 500, 600, 600, 1), (std::vector<int>{1})) << "0..1000 is found by every rectangle";
    EXPECT_EQ(found(index, 0, 0, 100, 100, 2), (std::vector<int>{2}));
    EXPECT_EQ(found(index, 0, 0, 100, 100, 3), (std::vector<int>{}));

    // A cleared id keeps its page but never matches again.
    ASSERT_EQ(index.clearElement(1), 1);
    EXPECT_EQ(index.pageOf(1), 1);
    EXPECT_EQ(found(index, 0, 0, 1000, 1000, 1), (std::vector<int>{3}));
    EXPECT_EQ(index.clearElement(99), 0) << "an id never set";
    EXPECT_EQ(index.highestId(), 3);
}

TEST(ElementMaskIndex, PagesAreRenumberedWhenPagesComeAndGo)
{
    TestApplication app;
    ElementMaskIndex index;
    for (int page = 1; page <= 4; ++page)
        ASSERT_EQ(index.setElement(page, Point(10, 10), Point(20, 20), page), 1);
    // Removing page 2: its element answers to page 0 (never asked), those of 3 and 4 move down.
    EXPECT_EQ(index.removePage(2), 1);
    EXPECT_EQ(index.pageOf(1), 1);
    EXPECT_EQ(index.pageOf(2), 0);
    EXPECT_EQ(index.pageOf(3), 2);
    EXPECT_EQ(index.pageOf(4), 3);
    EXPECT_EQ(found(index, 0, 0, 100, 100, 2), (std::vector<int>{3}));
    // Inserting at page 2 moves pages 2 and later up; insertion after page 1 is the same.
    EXPECT_EQ(index.insertPage(2), 1);
    EXPECT_EQ(index.pageOf(1), 1);
    EXPECT_EQ(index.pageOf(2), 0) << "a removed page's entries stay out of reach";
    EXPECT_EQ(index.pageOf(3), 3);
    EXPECT_EQ(index.pageOf(4), 4);

    ElementMaskIndex empty;
    EXPECT_EQ(empty.insertPage(1), 1);
    EXPECT_EQ(empty.removePage(1), 1);
}

} // namespace

namespace {

// What an extent query must answer: the ids of the page whose last registered extent meets the
// box, counted by brute force.
struct Registered {
    int page;
    double x1, y1, x2, y2;
};

std::vector<int> expectedIn(const std::map<int, Registered>& model, int page, const DoubleRect& box)
{
    std::vector<int> ids;
    for (const auto& [id, r] : model)
        if (r.page == page && std::fmin(r.x1, r.x2) <= box.maxX && std::fmax(r.x1, r.x2) >= box.minX &&
            std::fmin(r.y1, r.y2) <= box.maxY && std::fmax(r.y1, r.y2) >= box.minY)
            ids.push_back(id);
    return ids;
}

} // namespace

TEST(ElementMaskIndex, ExtentQueriesAnswerEveryRegisteredExtentThroughAnyChange)
{
    TestApplication app;
    ElementMaskIndex index;
    std::map<int, Registered> model;
    // Beside the extents: the thin ink boxes given with them and the handle boxes kept since,
    // each of which a store or a clear of its id drops.
    std::map<int, ElementMaskIndex::ThinInk> thins;
    std::map<int, DoubleRect> marks;
    std::set<int> cleared, offPages; // ids cleared; ids whose page went (registered still)
    uint32_t seed = 4242;
    auto next = [&](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<uint32_t>(n));
    };
    auto coordinate = [&] { return next(40000) / 100.0 - 50.0; }; // -50 .. 350: on and off a sheet
    for (int step = 0; step < 6000; ++step) {
        const int action = next(100);
        if (action < 70) {
            // A new element or a stored one changed: small mostly, some across the whole page,
            // some moved to another page.
            const int id = 1 + next(step < 1500 ? 3000 : 600);
            const int page = 1 + next(3);
            const double x = coordinate(), y = coordinate();
            const double w = next(10) == 0 ? 400.0 : next(2000) / 100.0, h = next(2000) / 100.0;
            ElementMaskIndex::ThinInk thin;
            thin.box.set(y + 1.0, x + 1.0, x + 2.0 + w / 2, y + 2.0);
            thin.fromViewScale = next(2) ? 0.5 : 2.0;
            const bool withThin = next(3) == 0;
            ASSERT_EQ(index.setElement(id, Point(x + w, y), Point(x, y + h), page, 0.0, 0.0, withThin ? &thin : nullptr), 1);
            model[id] = {page, x, y, x + w, y + h};
            if (withThin)
                thins[id] = thin;
            else
                thins.erase(id);
            marks.erase(id);
            cleared.erase(id);
            offPages.erase(id);
        } else if (action < 80) {
            const int id = 1 + next(3000);
            if (index.clearElement(id)) {
                model.erase(id);
                thins.erase(id);
                marks.erase(id);
                cleared.insert(id);
                offPages.erase(id);
            }
        } else if (action < 82) {
            // A page goes or comes: what was on it is out of reach for good.
            const int n = 1 + next(3);
            const bool remove = next(2) == 0;
            ASSERT_EQ(remove ? index.removePage(n) : index.insertPage(n), 1);
            for (auto it = model.begin(); it != model.end();) {
                Registered& r = it->second;
                if (remove && r.page == n) {
                    offPages.insert(it->first);
                    it = model.erase(it);
                    continue;
                }
                if (r.page > n || (!remove && r.page == n))
                    r.page += remove ? -1 : 1;
                ++it;
            }
        } else if (action < 86) {
            const int id = 1 + next(3000);
            DoubleRect box;
            box.set(next(100), next(100), 100 + next(100), 100 + next(100));
            if (offPages.count(id))
                continue;
            const bool registered = model.count(id) > 0;
            ASSERT_EQ(index.keepMarksExtent(id, box, next(2), 1.0, 1.0), registered ? 1 : 0) << "id " << id;
            if (registered)
                marks[id] = box;
        } else {
            // The boxes of an id, registered or cleared, are those last given.
            const int id = 1 + next(3000);
            DoubleRect ink, kept;
            int filled = 0;
            if (model.count(id)) {
                const Registered& r = model[id];
                ASSERT_EQ(index.inkExtentOf(id, 1.0, ink), 1);
                const auto thin = thins.find(id);
                const bool thinHolds = thin != thins.end() && thin->second.fromViewScale <= 1.0;
                EXPECT_EQ(ink.minX, thinHolds ? thin->second.box.minX : std::min(r.x1, r.x2)) << "id " << id;
                EXPECT_EQ(ink.maxY, thinHolds ? thin->second.box.maxY : std::max(r.y1, r.y2)) << "id " << id;
                const auto mark = marks.find(id);
                ASSERT_EQ(index.marksExtentOf(id, 1.0, 1.0, kept, filled), mark != marks.end() ? 1 : 0) << "id " << id;
                if (mark != marks.end()) {
                    EXPECT_EQ(kept.maxX, mark->second.maxX);
                }
                EXPECT_EQ(index.marksExtentOf(id, 2.0, 1.0, kept, filled), 0) << "kept at another scale of the view";
            } else if (cleared.count(id)) {
                EXPECT_EQ(index.inkExtentOf(id, 1.0, ink), 0) << "id " << id;
                EXPECT_EQ(index.marksExtentOf(id, 1.0, 1.0, kept, filled), 0) << "id " << id;
            }
            // A pick-sized box, or a large one, anywhere.
            const double size = next(4) == 0 ? next(20000) / 100.0 : next(300) / 100.0;
            DoubleRect box;
            const double x = coordinate(), y = coordinate();
            box.set(y, x, x + size, y + size);
            const int page = 1 + next(3);
            std::vector<int> ids;
            const int n = index.queryExtents(box, page, ids);
            ASSERT_EQ(ids, expectedIn(model, page, box)) << "step " << step << " page " << page;
            ASSERT_EQ(n, static_cast<int>(ids.size()));
            // With a limit: the same answer, or none when more than the limit are filed near the
            // box (an id filed under several cells counts for each).
            std::vector<int> limited;
            const size_t limit = static_cast<size_t>(next(60));
            const int m = index.queryExtentsUpTo(box, page, limit, limited);
            if (m >= 0)
                ASSERT_EQ(limited, ids) << "step " << step;
            else
                ASSERT_TRUE(limited.empty()) << "step " << step;
            if (ids.size() > limit) {
                ASSERT_EQ(m, -1) << "step " << step << ": " << ids.size() << " found over " << limit;
            }
        }
    }
    // An extent that is not finite is never found; one touching the box at an edge is.
    ASSERT_EQ(index.setElement(9000, Point(std::numeric_limits<double>::quiet_NaN(), 0), Point(5, 5), 7), 1);
    ASSERT_EQ(index.setElement(9001, Point(10, 10), Point(20, 20), 7), 1);
    DoubleRect box;
    box.set(0, 0, 10, 10);
    std::vector<int> ids;
    EXPECT_EQ(index.queryExtents(box, 7, ids), 1);
    EXPECT_EQ(ids, std::vector<int>{9001});
}

// A text measured on the view carries what it was measured from; at another scale of the view a
// box it keeps within follows from that, and may stand for its extent until it is measured there.
// The box grows with what the font's pixel height gains, never shrinks the measured extent, and
// is told only while the drawing's scale is the one it was measured at.
TEST(ElementMaskIndex, AMeasuredRunGivesABoxAtAnotherScaleThatStandsForTheExtentUntilMeasured)
{
    TestApplication app;
    ElementMaskIndex index;
    // 10 glyphs, 40 drawing units wide, measured at 0.5 units per pixel with a font asked at 12
    // pixels: its size lay below 13.
    const ElementMaskIndex::MeasuredRun run{40.0, 10.0, 12.0};
    ASSERT_EQ(index.setElement(7, Point(10.0, 20.0), Point(50.0, 26.0), 1, 0.5, 1.0, nullptr, &run), 1);
    ASSERT_EQ(index.setElement(8, Point(0.0, 0.0), Point(5.0, 5.0), 1, 0.5, 1.0), 1); // measured without a run
    ASSERT_EQ(index.setElement(9, Point(0.0, 0.0), Point(5.0, 5.0), 1, 0.0, 1.0), 1); // holds everywhere
    // 80 pixels were measured; n·s is 30 pixels. At 0.125 units per pixel the font is made at 52
    // pixels at most: (80 + 30) * 52 / 12 + 30 + 1 pixels. At the same scale at 13 at most.
    struct Row {
        double viewScale;
        double grow; // what each side grows by, drawing units
    };
    const Row rows[] = {{0.5, 0.5 * ((80.0 + 30.0) * 13.0 / 12.0 + 31.0) - 40.0},
                        {0.125, 0.125 * ((80.0 + 30.0) * 52.0 / 12.0 + 31.0) - 40.0}};
    for (const Row& r : rows) {
        DoubleRect box;
        ASSERT_EQ(index.boundAt(7, r.viewScale, 1.0, box), 1) << r.viewScale;
        EXPECT_DOUBLE_EQ(box.minX, 10.0 - r.grow) << r.viewScale;
        EXPECT_DOUBLE_EQ(box.maxY, 26.0 + r.grow) << r.viewScale;
    }
    DoubleRect box;
    EXPECT_EQ(index.boundAt(7, 0.125, 2.0, box), 0) << "the drawing's scale changed";
    EXPECT_EQ(index.boundAt(8, 0.125, 1.0, box), 0) << "no run";
    EXPECT_EQ(index.boundAt(9, 0.125, 1.0, box), 0) << "no run";
    EXPECT_EQ(index.boundAt(7, 0.0, 1.0, box), 0) << "no view";
    EXPECT_EQ(index.boundAt(7, 1.7, 1.0, box), 0) << "a font of 3 pixels at most: drawn to no scale";

    // Kept at 0.125, the box holds there, and only there; the marks never stand on it.
    ASSERT_EQ(index.boundAt(7, 0.125, 1.0, box), 1);
    const int heldBefore = index.heldAt(0.125);
    ASSERT_EQ(index.keepBound(7, box, 0.125), 1);
    EXPECT_EQ(index.holdsAt(7, 0.125), 2);
    EXPECT_EQ(index.holdsAt(7, 0.5), 0);
    EXPECT_EQ(index.heldAt(0.125), heldBefore + 1);
    DoubleRect kept;
    ASSERT_EQ(index.extentOf(7, kept), 1);
    EXPECT_EQ(kept.minX, box.minX);
    EXPECT_EQ(index.currentExtentOf(7, 0.125, 1.0, kept), 0);
    DoubleRect changed;
    EXPECT_EQ(index.takeChangedArea(changed), 1) << "the stores of 7, 8 and 9";
    EXPECT_EQ(index.takeChangedArea(changed), 0) << "a kept box changes nothing";
    // A further box still follows the measure, not the box kept.
    DoubleRect again;
    ASSERT_EQ(index.boundAt(7, 0.125, 1.0, again), 1);
    EXPECT_EQ(again.minX, box.minX);

    // Measured at 0.125: exact again, and the run of that measure from now on.
    const ElementMaskIndex::MeasuredRun closer{39.0, 10.0, 49.0};
    ASSERT_EQ(index.remeasured(7, Point(10.0, 20.0), Point(49.0, 26.0), 0.125, 1.0, &closer), 1);
    EXPECT_EQ(index.holdsAt(7, 0.125), 1);
    ASSERT_EQ(index.currentExtentOf(7, 0.125, 1.0, kept), 1);
    EXPECT_EQ(kept.maxX, 49.0);
    ASSERT_EQ(index.boundAt(7, 0.5, 1.0, box), 1);
    EXPECT_DOUBLE_EQ(box.maxX, 49.0 + 0.5 * ((312.0 + 30.0) * 12.0 / 49.0 + 31.0) - 39.0);
    // A store without a run, or a clear, forgets it.
    ASSERT_EQ(index.setElement(7, Point(10.0, 20.0), Point(49.0, 26.0), 1, 0.125, 1.0), 1);
    EXPECT_EQ(index.boundAt(7, 0.5, 1.0, box), 0);
    ASSERT_EQ(index.remeasured(7, Point(10.0, 20.0), Point(49.0, 26.0), 0.125, 1.0, &closer), 1);
    ASSERT_EQ(index.clearElement(7), 1);
    EXPECT_EQ(index.boundAt(7, 0.5, 1.0, box), 0);
    EXPECT_EQ(index.keepBound(7, box, 0.5), 0);
}
