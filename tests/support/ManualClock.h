#pragma once
// A clock that moves only when the test moves it.
#include "platform/Clock.h"

namespace corvanta::test {

class ManualClock final : public IClock {
public:
    explicit ManualClock(TDateTime start = 0) : now_(start) {}

    TDateTime now() const override { return now_; }
    void set(TDateTime value) { now_ = value; }
    void advance(TDateTime days) { now_ += days; }
    void advanceSeconds(double seconds) { now_ += seconds / 86400.0; }

private:
    TDateTime now_;
};

} // namespace corvanta::test
