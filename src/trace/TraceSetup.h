#pragma once
// What the route-trace window needs from its owner.
#include "platform/ConsoleRunner.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "platform/WhoisClient.h"

#include <string>

namespace corvanta {

struct TraceSetup {
    IDialogs& dialogs;
    IConsoleRunnerFactory& runners;
    IWhoisClient& whois;
    std::string programFolder; // ends with '/'
    std::string phoneNumber;
    std::string currentIp;
    TDateTime openedAt = 0;
    std::string targetHost;
};

} // namespace corvanta
