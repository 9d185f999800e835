#pragma once
// Phone masks: "?" is any one digit, "*" is the rest of the number (at least one digit), any
// other character must be equal. Numbers are reduced to their digits before matching; masks
// are taken as written.
#include <string>
#include <vector>

namespace corvanta {

// True when the mask matches the number, which must already hold digits only.
bool MatchMask(const std::string& mask, const std::string& cleanedNumber);

// The digits "0" to "9" of a dialed number, in their order.
std::string CleanPhoneNumber(const std::string& dialed);

// The guard's decision: a number matching a prohibited mask is refused unless it also matches
// an allowed mask; a number matching nothing is allowed.
bool IsPhoneNumberAllowed(const std::string& dialed, const std::vector<std::string>& prohibited,
                          const std::vector<std::string>& allowed);

// False when the mask holds, before any "*", a character other than a digit or "?": such a
// mask can never match a cleaned number.
bool MaskCanMatch(const std::string& mask);

} // namespace corvanta
