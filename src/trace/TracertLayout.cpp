#include "trace/TracertLayout.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <regex>
#include <sstream>

namespace corvanta {
namespace {

struct Responder {
    std::string name;
    std::string address;
};

struct Hop {
    std::string number;
    std::vector<std::string> probes; // formatted fields, 9 characters each
    std::optional<Responder> first;
};

bool allDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string rightAligned(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::optional<std::string> probeTime(const std::string& milliseconds) {
    char* end = nullptr;
    const double value = std::strtod(milliseconds.c_str(), &end);
    if (end == milliseconds.c_str() || *end != '\0' || value < 0)
        return std::nullopt;
    const std::string shown = value < 1 ? "<1" : std::to_string(static_cast<long>(value));
    return rightAligned(shown + " ms", 9);
}

bool parenthesised(const std::string& token) {
    return token.size() > 2 && token.front() == '(' && token.back() == ')';
}

// A hop line: " 3  name (a.b.c.d)  1.234 ms  * other (e.f.g.h)  2.345 ms !H"; with -n the
// address stands alone instead of a name.
std::optional<Hop> parseHop(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;)
        tokens.push_back(token);
    if (tokens.empty() || !allDigits(tokens[0]))
        return std::nullopt;
    Hop hop{tokens[0], {}, std::nullopt};
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        const bool timed = i + 1 < tokens.size() && tokens[i + 1] == "ms";
        if (token == "*") {
            hop.probes.push_back("     *   ");
        } else if (timed) {
            const auto field = probeTime(token);
            if (!field)
                return std::nullopt;
            hop.probes.push_back(*field);
            ++i;
        } else if (token.front() == '!') {
            continue; // unreachable and similar notes
        } else if (parenthesised(token)) {
            return std::nullopt;
        } else {
            Responder responder{token, token};
            if (i + 1 < tokens.size() && parenthesised(tokens[i + 1])) {
                ++i;
                responder.address = tokens[i].substr(1, tokens[i].size() - 2);
            }
            if (!hop.first)
                hop.first = responder;
        }
    }
    if (hop.probes.empty())
        return std::nullopt;
    return hop;
}

std::string hopLine(const Hop& hop) {
    std::string line = rightAligned(hop.number, 3);
    for (const auto& probe : hop.probes)
        line += probe;
    line += "  ";
    if (!hop.first)
        return line + "Request timed out.";
    if (hop.first->name == hop.first->address)
        return line + hop.first->address;
    return line + hop.first->name + " [" + hop.first->address + "]";
}

std::optional<std::vector<std::string>> heading(const std::string& line) {
    static const std::regex pattern(R"(^traceroute to (\S+) \(([^)]*)\), (\d+) hops max)");
    std::smatch match;
    if (!std::regex_search(line, match, pattern))
        return std::nullopt;
    const std::string name = match[1], address = match[2], hops = match[3];
    if (name == address)
        return std::vector<std::string>{
            "", "Tracing route to " + address + " over a maximum of " + hops + " hops", ""};
    return std::vector<std::string>{"", "Tracing route to " + name + " [" + address + "]",
                                    "over a maximum of " + hops + " hops:", ""};
}

} // namespace

std::vector<std::string> tracerouteOptions() {
    // IPv4 only: the look-up of a hop needs a dotted address. Three probes of at most two
    // seconds each keep a silent hop short.
    return {"-4", "-q", "3", "-w", "2"};
}

std::vector<std::string> tracertLines(const std::string& tracerouteLine) {
    if (auto lines = heading(tracerouteLine))
        return *lines;
    if (const auto hop = parseHop(tracerouteLine))
        return {hopLine(*hop)};
    return {tracerouteLine};
}

std::vector<std::string> tracertEnd(int exitStatus) {
    if (exitStatus == 0)
        return {"", "Trace complete."};
    return {"Trace failed: traceroute ended with status " + std::to_string(exitStatus) + "."};
}

} // namespace corvanta
