#include "platform/Clock.h"

#include <chrono>

namespace corvanta {

TDateTime SystemClock::now() const {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return fromUnixMilliseconds(ms);
}

} // namespace corvanta
