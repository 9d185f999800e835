#pragma once
// What a WHOIS look-up asks about, taken from a line of the trace list.
#include <optional>
#include <string>

namespace corvanta {

struct WhoisTarget {
    std::string address;
    std::string domain;
    bool operator==(const WhoisTarget&) const = default;
};

// The dotted address nearest the end of the line and the two letter runs around the dot
// closest before it. Lines with fewer than three dots give nothing.
std::optional<WhoisTarget> whoisTargetOf(const std::string& line);

} // namespace corvanta
