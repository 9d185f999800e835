#pragma once
#include <functional>
#include <stdexcept>
#include <string>

namespace corvanta {

class WhoisError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One WHOIS query (RFC 3912): connect, send the query and CR LF, read until the server
// closes. Throws WhoisError when the connection fails or a time or size bound is passed.
class IWhoisClient {
public:
    virtual ~IWhoisClient() = default;
    virtual std::string query(const std::string& text) = 0;

    std::function<void()> onWorkBegin;
    std::function<void()> onWorkEnd;
};

} // namespace corvanta
