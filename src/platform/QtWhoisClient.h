#pragma once
// WHOIS over TCP (RFC 3912) with QTcpSocket. The query blocks the calling thread, but never
// longer than the time bound, and the reply may not grow beyond the size bound.
#include "platform/WhoisClient.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace corvanta {

class QtWhoisClient final : public IWhoisClient {
public:
    static constexpr const char* DefaultHost = "whois.internic.net";
    static constexpr std::uint16_t DefaultPort = 43;
    static constexpr std::chrono::milliseconds DefaultTimeout{15000};
    static constexpr std::int64_t DefaultMaxReplyBytes = 1 << 20;

    explicit QtWhoisClient(std::string host = DefaultHost, std::uint16_t port = DefaultPort,
                           std::chrono::milliseconds timeout = DefaultTimeout,
                           std::int64_t maxReplyBytes = DefaultMaxReplyBytes);

    // The whole reply; WhoisError when the connection fails or a bound is passed.
    std::string query(const std::string& text) override;

private:
    std::string host_;
    std::uint16_t port_;
    std::chrono::milliseconds timeout_;
    std::int64_t maxReplyBytes_;
};

} // namespace corvanta
