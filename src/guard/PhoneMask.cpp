#include "guard/PhoneMask.h"

#include <algorithm>

namespace corvanta {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool anyMatches(const std::vector<std::string>& masks, const std::string& number) {
    return std::any_of(masks.begin(), masks.end(),
                       [&](const std::string& mask) { return MatchMask(mask, number); });
}

} // namespace

bool MatchMask(const std::string& mask, const std::string& cleanedNumber) {
    for (std::size_t j = 0; j < mask.size(); ++j) {
        if (j >= cleanedNumber.size())
            return false;
        if (mask[j] == '*')
            return true;
        if (mask[j] != '?' && mask[j] != cleanedNumber[j])
            return false;
    }
    return cleanedNumber.size() == mask.size();
}

std::string CleanPhoneNumber(const std::string& dialed) {
    std::string digits;
    std::copy_if(dialed.begin(), dialed.end(), std::back_inserter(digits), isDigit);
    return digits;
}

bool IsPhoneNumberAllowed(const std::string& dialed, const std::vector<std::string>& prohibited,
                          const std::vector<std::string>& allowed) {
    const std::string number = CleanPhoneNumber(dialed);
    return !anyMatches(prohibited, number) || anyMatches(allowed, number);
}

bool MaskCanMatch(const std::string& mask) {
    const auto end = std::find(mask.begin(), mask.end(), '*');
    return std::all_of(mask.begin(), end, [](char c) { return isDigit(c) || c == '?'; });
}

} // namespace corvanta
