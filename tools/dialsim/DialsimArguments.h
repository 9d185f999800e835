#pragma once
// Checks of the tool's command-line values. Each throws UsageError with a message for the user.
#include "platform/SimulatedDialupService.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace corvanta::dialsim {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A non-negative decimal number of seconds, as milliseconds.
std::int64_t parseSeconds(const std::string& option, const std::string& text);
// Four decimal numbers 0-255 without leading zeros, separated by dots.
bool isDottedQuad(const std::string& text);
RasHandle parseHandle(const std::string& text);
// The options after "dial".
DialRequest parseDial(const std::vector<std::string>& options);

} // namespace corvanta::dialsim
