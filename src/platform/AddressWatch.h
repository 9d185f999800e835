#pragma once
#include <string>

namespace corvanta {

// The machine's dial-up address, refreshed about once a second.
class IAddressWatch {
public:
    virtual ~IAddressWatch() = default;
    // Online: the local address is neither empty nor "127.0.0.1".
    virtual bool online() const = 0;
    virtual std::string currentAddress() const = 0;
    // Take a fresh reading now (waits that cannot let the periodic refresh run use this).
    virtual void refresh() = 0;
};

} // namespace corvanta
