#include <gtest/gtest.h>

#include <vector>

#include "document/DocumentContext.h"
#include "geometry/Point.h"
#include "platform/IntPoint.h"
#include "tests/support/LinearView.h"
#include "views/tools/InputPointList.h"

namespace {

// One poll of the click loop: the cursor, the buttons, whether the poll succeeded (0: addressed
// to another window, interrupted or quitting) and whether a stop request arrives during it.
struct Poll {
    int x, y, left, right, ok, stopDuring;
};

// A view at scale 1 whose polls follow a script; past its end every poll fails.
class PolledView : public LinearView {
public:
    using LinearView::nextMousePoint;
    [[nodiscard]] int nextMousePoint(IntPoint& device, int& left, int& right, int requireOwnMessage) override
    {
        owned = requireOwnMessage;
        if (next >= polls.size())
            return 0;
        const Poll& p = polls[next++];
        device.set(p.x, p.y);
        left = p.left;
        right = p.right;
        if (p.stopDuring && list)
            list->stop = 1;
        return p.ok;
    }
    std::vector<Poll> polls;
    size_t next = 0;
    int owned = 0;
    InputPointList* list = nullptr;
};

struct PointInput : ::testing::Test {
    PointInput()
    {
        view.scale = 1.0;
        context.view = &view;
        points.setOwner(&context);
        view.list = &points;
    }
    ~PointInput() override { context.view = nullptr; }
    int click(std::vector<Poll> polls)
    {
        view.polls = std::move(polls);
        view.next = 0;
        return points.waitClick(3, 0);
    }
    PolledView view;
    DocumentContext context;
    InputPointList points;
};

TEST_F(PointInput, ClickLoopOutcomes)
{
    struct Case {
        const char* name;
        std::vector<Poll> polls;
        int result, count;
    } cases[] = {
        {"left click after moves", {{1, 1, 0, 0, 1, 0}, {40, 30, 1, 0, 1, 0}}, 11, 1},
        {"right click", {{40, 30, 0, 1, 1, 0}}, 21, 0},
        {"a poll for another window", {{1, 1, 0, 0, 1, 0}, {40, 30, 1, 0, 0, 0}}, -1, 0},
        {"stop wins over a click of the same poll", {{40, 30, 1, 0, 1, 1}}, -1, 0},
        {"stop while waiting", {{1, 1, 0, 0, 1, 1}, {40, 30, 1, 0, 1, 0}}, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, click(c.polls));
        EXPECT_EQ(c.count, points.pointCount());
        EXPECT_EQ(1, view.owned) << "the loop asks for its own window's messages";
        EXPECT_EQ(3, points.kind);
    }
    // Without view the loop ends at once.
    context.view = nullptr;
    EXPECT_EQ(-1, click({{40, 30, 1, 0, 1, 0}}));
    EXPECT_EQ(0u, view.next);
}

TEST_F(PointInput, PreviousPointAndGrowth)
{
    Point p;
    EXPECT_EQ(0, points.previousPoint(&p));
    ASSERT_EQ(11, click({{10, 20, 1, 0, 1, 0}}));
    ASSERT_EQ(1, points.previousPoint(&p));
    EXPECT_EQ(10.0, p.x);
    EXPECT_EQ(20.0, p.y);
    for (int i = 2; i <= 3; ++i)
        ASSERT_EQ(1, points.appendDevicePoint(IntPoint{10 * i, 20 * i}));
    ASSERT_EQ(1, points.previousPoint(&p));
    EXPECT_EQ(20.0, p.x) << "after three clicks the second";
    EXPECT_EQ(40.0, p.y);
    EXPECT_EQ(0, points.pointAt(3, &p));

    points.clear();
    for (int i = 0; i < 1000; ++i) {
        InputPointList::Record r;
        r.deviceX = i;
        r.x = i * 0.5;
        ASSERT_EQ(1, points.append(r));
    }
    ASSERT_EQ(1000, points.pointCount());
    for (int i = 0; i < 1000; i += 37) {
        ASSERT_EQ(1, points.pointAt(i, &p));
        EXPECT_EQ(i * 0.5, p.x);
    }
}

} // namespace
