#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using corvanta::TerminationSignals;

namespace {

// Delivery is through the event loop; a handful of passes is plenty once the byte is in.
void processEventsUntil(const std::function<bool()>& done) {
    for (int pass = 0; pass < 100 && !done(); ++pass)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

TEST(TerminationSignals, EachSignalReachesTheCallbackOnTheEventLoop) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        std::vector<int> seen;
        TerminationSignals watcher([&](int s) { seen.push_back(s); });
        ASSERT_EQ(raise(signal), 0);
        EXPECT_TRUE(seen.empty()) << "must not run inside the signal handler";
        processEventsUntil([&] { return !seen.empty(); });
        EXPECT_EQ(seen, std::vector<int>{signal});
    }
}

TEST(TerminationSignals, RepeatedSignalsEndOnceAndTheCallbackMayDestroyTheWatcher) {
    int calls = 0;
    std::unique_ptr<TerminationSignals> watcher;
    watcher = std::make_unique<TerminationSignals>([&](int) {
        ++calls;
        watcher.reset(); // the shutdown path tears everything down
    });
    raise(SIGTERM);
    raise(SIGTERM);
    processEventsUntil([&] { return calls > 0; });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(watcher, nullptr);
}

TEST(TerminationSignals, PreviousHandlingComesBackWhenDestroyed) {
    struct sigaction before {};
    sigaction(SIGTERM, nullptr, &before);
    {
        TerminationSignals watcher([](int) {});
    }
    struct sigaction after {};
    sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

} // namespace
