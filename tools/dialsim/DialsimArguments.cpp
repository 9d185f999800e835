#include "DialsimArguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace corvanta::dialsim {
namespace {

constexpr double kMaxSeconds = 1e9; // about 30 years; keeps milliseconds well inside 64 bits

template <typename T> bool parseWhole(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && last == end;
}

bool isDecimal(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789.") == std::string::npos;
}

} // namespace

std::int64_t parseSeconds(const std::string& option, const std::string& text) {
    double seconds = 0;
    // Plain decimals only: no signs, exponents, "inf" or "nan".
    if (!isDecimal(text) || !parseWhole(text, seconds))
        throw UsageError(option + " needs a non-negative number of seconds, not \"" + text + "\"");
    if (seconds > kMaxSeconds)
        throw UsageError(option + " is too large: " + text);
    return std::llround(seconds * 1000);
}

bool isDottedQuad(const std::string& text) {
    std::size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = text.find('.', start);
        if ((dot == std::string::npos) != (part == 3))
            return false;
        const std::string number = text.substr(start, dot - start);
        unsigned value = 0;
        if (number.empty() || number.size() > 3 || (number.size() > 1 && number[0] == '0') ||
            !parseWhole(number, value) || value > 255)
            return false;
        start = dot + 1;
    }
    return true;
}

RasHandle parseHandle(const std::string& text) {
    RasHandle handle = 0;
    if (!parseWhole(text, handle) || handle == 0)
        throw UsageError("not a connection handle: \"" + text + "\"");
    return handle;
}

DialRequest parseDial(const std::vector<std::string>& options) {
    std::map<std::string, std::string> values;
    for (std::size_t i = 0; i < options.size(); i += 2) {
        static const char* const known[] = {"--entry",       "--number",  "--device-type",
                                            "--device-name", "--address", "--connect-after",
                                            "--hangup-after"};
        const std::string& option = options[i];
        if (std::find(std::begin(known), std::end(known), option) == std::end(known))
            throw UsageError("unknown option for dial: " + option);
        if (i + 1 == options.size())
            throw UsageError(option + " needs a value");
        if (!values.emplace(option, options[i + 1]).second)
            throw UsageError(option + " given twice");
    }
    if (values.count("--entry") == values.count("--number"))
        throw UsageError("dial needs either --entry NAME or --number NUMBER");
    DialRequest request;
    if (const auto it = values.find("--entry"); it != values.end())
        request.entry = it->second;
    if (const auto it = values.find("--number"); it != values.end())
        request.number = it->second;
    if (request.entry.empty() && request.number.empty())
        throw UsageError("the entry name or number must not be empty");
    if (const auto it = values.find("--device-type"); it != values.end())
        request.deviceType = it->second;
    if (const auto it = values.find("--device-name"); it != values.end())
        request.deviceName = it->second;
    if (const auto it = values.find("--address"); it != values.end()) {
        if (!isDottedQuad(it->second))
            throw UsageError("--address needs A.B.C.D, not \"" + it->second + "\"");
        request.address = it->second;
    }
    if (const auto it = values.find("--connect-after"); it != values.end())
        request.connectAfterMs = parseSeconds(it->first, it->second);
    if (const auto it = values.find("--hangup-after"); it != values.end())
        request.hangupAfterMs = parseSeconds(it->first, it->second);
    return request;
}

} // namespace corvanta::dialsim
