#include "app/ProductionServices.h"

#include "app/Pictures.h"
#include "platform/DialupAddressWatch.h"
#include "platform/Paths.h"
#include "platform/PreviousInstance.h"
#include "platform/QtConsoleRunner.h"
#include "platform/QtDialogs.h"
#include "platform/QtSound.h"
#include "platform/QtTray.h"
#include "platform/QtWhoisClient.h"
#include "platform/SelfCheck.h"
#include "platform/SimulatedDialupService.h"
#include "platform/SqliteRegistry.h"

#include <QCoreApplication>
#include <cstdlib>

namespace corvanta {

struct ProductionServices::Adapters {
    std::string folder = paths::programFolder();
    SimulatedDialupService dialup;
    SqliteRegistry registry;
    SystemClock clock;
    QtSound sound{QString::fromStdString(folder)};
    DialupAddressWatch addressWatch{[this] { return dialup.connectedAddress(); }};
    QtDialogs dialogs;
    QtConsoleRunnerFactory runners{folder};
    QtWhoisClient whois;
    TPreviousInstance previousInstance;
};

ProductionServices::ProductionServices() : adapters_(std::make_unique<Adapters>()) {
    Adapters& a = *adapters_;
    services_ = std::make_unique<AppServices>(AppServices{
        a.dialup,
        a.registry,
        a.clock,
        a.sound,
        a.addressWatch,
        a.dialogs,
        a.runners,
        a.whois,
        [](QWidget* window) -> std::unique_ptr<ITray> {
            QList<QIcon> pictures;
            for (int i = 0; i < 4; ++i)
                pictures << trayPicture(i);
            return std::make_unique<QtTray>(window, pictures, QtTray::Options{});
        },
        a.folder,
        paths::executablePath(),
        "www.debian.org",
        std::chrono::milliseconds(60000),
        std::chrono::milliseconds(120000),
        [] { return verifyExecutable(paths::executablePath()).message; },
        [&a] {
            a.previousInstance.CheckPreviousInstance();
            return a.previousInstance.AlreadyRunning;
        },
        [](int exitCode) { std::exit(exitCode); },
        [] { QCoreApplication::exit(0); },
    });
}

ProductionServices::~ProductionServices() = default;

} // namespace corvanta
