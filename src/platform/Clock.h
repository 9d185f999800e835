#pragma once
#include "platform/DateTime.h"

namespace corvanta {

// Every reading of "now" goes through this, so tests can move time by hand.
class IClock {
public:
    virtual ~IClock() = default;
    virtual TDateTime now() const = 0;
};

class SystemClock final : public IClock {
public:
    TDateTime now() const override;
};

} // namespace corvanta
