#pragma once
// The six lines that open every trace list and every saved trace.
#include "platform/DateTime.h"

#include <string>
#include <vector>

namespace corvanta {

std::vector<std::string> traceHeaderLines(TDateTime openedAt, const std::string& phoneNumber,
                                          const std::string& currentIp);

} // namespace corvanta
