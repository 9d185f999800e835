#pragma once
// Address watch for tests: the reading is set by hand; onRefresh lets a test change it when
// the code under test asks for a fresh reading (for example inside a wait).
#include "platform/DialupAddressWatch.h"

#include <functional>

namespace corvanta::test {

class FakeAddressWatch final : public IAddressWatch {
public:
    // Sets the address; online follows the real rule (neither empty nor "127.0.0.1").
    void setAddress(const std::string& address) {
        address_ = address;
        online_ = DialupAddressWatch::isOnlineAddress(address);
    }
    void setOnline(bool online) { online_ = online; }

    bool online() const override { return online_; }
    std::string currentAddress() const override { return address_; }
    void refresh() override {
        ++refreshCount;
        if (onRefresh)
            onRefresh(*this);
    }

    int refreshCount = 0;
    std::function<void(FakeAddressWatch&)> onRefresh;

private:
    std::string address_;
    bool online_ = false;
};

} // namespace corvanta::test
