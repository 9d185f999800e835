#include "trace/TraceHeader.h"

#include "app/BuildInfo.h"

namespace corvanta {

std::vector<std::string> traceHeaderLines(TDateTime openedAt, const std::string& phoneNumber,
                                          const std::string& currentIp) {
    const std::string rule(59, '-');
    return {std::string("Corvanta v.1.7 ") + BuildLabel,
            rule,
            formatDateTime(openedAt),
            "Phone number: " + phoneNumber,
            "Current IP: " + currentIp,
            rule};
}

} // namespace corvanta
