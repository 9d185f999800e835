#pragma once
// Everything the main window needs from outside, injected so tests can put fakes in.
#include "platform/AddressWatch.h"
#include "platform/Clock.h"
#include "platform/ConsoleRunner.h"
#include "platform/Dialogs.h"
#include "platform/DialupService.h"
#include "platform/Registry.h"
#include "platform/Sound.h"
#include "platform/Tray.h"
#include "platform/WhoisClient.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace corvanta {

struct AppServices {
    IDialupService& dialup;
    IRegistry& registry;
    IClock& clock;
    ISound& sound;
    IAddressWatch& addressWatch;
    IDialogs& dialogs;
    IConsoleRunnerFactory& runners;
    IWhoisClient& whois;
    std::function<std::unique_ptr<ITray>(QWidget* mainWindow)> makeTray;

    std::string programFolder;  // ends with '/'
    std::string executablePath; // the autostart entry starts this
    std::string traceHost;      // target of "Trace ISP"

    // Bounds of the waits of the prohibited-call response: a prohibited call never stays up
    // longer because a wait did not end.
    std::chrono::milliseconds addressWaitLimit{60000};
    std::chrono::milliseconds traceWaitLimit{120000};

    // Empty when the program file is intact, else the message to show before ending.
    std::function<std::string()> integrityProblem;
    // True when another copy of the program already runs for this user.
    std::function<bool()> alreadyRunning;
    // Ends the process at once with the given exit code.
    std::function<void(int exitCode)> terminate;
    // Ends the program through its normal shutdown.
    std::function<void()> quit;
};

} // namespace corvanta
