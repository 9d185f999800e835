#pragma once
// The machine's dial-up address, read from the dial-up service once a second on the
// user-interface thread.
#include "platform/AddressWatch.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace corvanta {

class DialupAddressWatch final : public QObject, public IAddressWatch {
    Q_OBJECT
public:
    // The address of the connected connection, or nothing when none is connected.
    using Source = std::function<std::optional<std::string>()>;

    static bool isOnlineAddress(const std::string& address) {
        return !address.empty() && address != "127.0.0.1";
    }

    explicit DialupAddressWatch(Source source, QObject* parent = nullptr);

    bool online() const override { return isOnlineAddress(address_); }
    std::string currentAddress() const override { return address_; }
    void refresh() override;

private:
    Source source_;
    std::string address_;
    QTimer timer_;
};

} // namespace corvanta
