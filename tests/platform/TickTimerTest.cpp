#include <gtest/gtest.h>

#include "platform/TickTimer.h"
#include "tests/support/FakeClock.h"

namespace {

TEST(TickTimer, BothAnswersAreZeroExactlyAtTheLimit)
{
    FakeClock clock(10000, 400);
    TickTimer timer;
    EXPECT_EQ(timer.startTick, 0u);
    timer.start();
    clock.advance(299);
    EXPECT_EQ(timer.notElapsed(300), 1);
    EXPECT_EQ(timer.elapsed(300), 0);
    clock.advance(1);
    EXPECT_EQ(timer.notElapsed(300), 0);
    EXPECT_EQ(timer.elapsed(300), 0);
    clock.advance(1);
    EXPECT_EQ(timer.elapsed(300), 1);

    timer.start();
    clock.advance(399);
    EXPECT_EQ(timer.withinDoubleClickTime(), 1);
    clock.advance(1);
    EXPECT_EQ(timer.withinDoubleClickTime(), 0);
}

} // namespace
