#include "app/VclTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <gtest/gtest.h>

using namespace corvanta;

namespace {

template <typename Done> void spinUntil(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

TEST(VclTimer, RunsOnlyWhenEnabledWithAnInterval) {
    VclTimer timer(
        0, true, [] {}, nullptr);
    EXPECT_FALSE(timer.running());
    timer.setInterval(1000);
    EXPECT_TRUE(timer.running());
    timer.setEnabled(false);
    EXPECT_FALSE(timer.running());
    timer.setEnabled(true);
    EXPECT_TRUE(timer.running());
}

TEST(VclTimer, TicksGoOnInsideALoopOpenedByATick) {
    int depth = 0, deepest = 0, ticks = 0;
    VclTimer timer(
        5, true,
        [&] {
            ++ticks;
            deepest = std::max(deepest, ++depth);
            if (depth == 1)
                spinUntil([&] { return deepest >= 2; }); // a modal box would loop like this
            --depth;
        },
        nullptr);
    spinUntil([&] { return deepest >= 2; });
    EXPECT_GE(deepest, 2);
}
